#include "tests/winsupport/MessageBoxRecorder.h"

namespace {

std::vector<RecordedMessageBox> g_boxes;

} // namespace

MessageBoxRecorder::MessageBoxRecorder()
    : m_previous(AfxSetMessageBoxHandler(&Record))
{
    g_boxes.clear();
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    AfxSetMessageBoxHandler(m_previous);
}

const std::vector<RecordedMessageBox>& MessageBoxRecorder::Boxes() const
{
    return g_boxes;
}

int WINAPI MessageBoxRecorder::Record(HWND hWndOwner, const wchar_t* text, const wchar_t* caption,
                                      UINT type)
{
    g_boxes.push_back({hWndOwner, text, caption, type});
    return IDOK;
}

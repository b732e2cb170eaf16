# The Win32 part of the framework: application, windows, dialogs, controls,
# data exchange, message box, file chooser, files and the OLE clipboard.
add_library(quantlens_framework STATIC
  Button.h
  CmdTarget.cpp
  ComboBox.h
  CommandLineInfo.cpp
  DataExchange.cpp
  Dialog.cpp
  Edit.h
  File.cpp
  FileDialog.cpp
  Font.cpp
  MessageBox.cpp
  MessageLoop.cpp
  OleDataObject.cpp
  Static.h
  ToolTipCtrl.cpp
  WinApp.cpp
  Wnd.cpp)

target_link_libraries(quantlens_framework PUBLIC
  quantlens_framework_core comctl32 comdlg32 ole32 shell32 gdi32 user32 uuid)

# The entry point wWinMain, for programs whose application object is a
# CWinApp (link this instead of quantlens_framework, with -municode). An
# object library, because the C runtime asks for wWinMain only after the
# static libraries have been searched.
add_library(quantlens_framework_main OBJECT WinMain.cpp)
target_link_libraries(quantlens_framework_main PUBLIC quantlens_framework)

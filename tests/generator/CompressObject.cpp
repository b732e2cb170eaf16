#include "tests/generator/CompressObject.h"

CompressObject::CompressObject()
{
    m_cinfo.err = UseThrowingErrors(m_errors);
    jpeg_create_compress(&m_cinfo);
}

CompressObject::~CompressObject()
{
    jpeg_destroy_compress(&m_cinfo);
}

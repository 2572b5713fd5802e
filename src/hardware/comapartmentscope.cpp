#include "hardware/comapartmentscope.h"

ComApartmentScope::ComApartmentScope(platform::Source &source) : m_source(source)
{
    m_owned = m_source.comInitialize() == platform::ComInit::Owned;
}

ComApartmentScope::~ComApartmentScope()
{
    if (m_owned)
        m_source.comUninitialize();
}

#pragma once

#include "platform/source.h"

// COM initialisation of the calling thread for one collection or sampling run.
class ComApartmentScope {
public:
    explicit ComApartmentScope(platform::Source &source);
    ~ComApartmentScope();
    ComApartmentScope(const ComApartmentScope &) = delete;
    ComApartmentScope &operator=(const ComApartmentScope &) = delete;

    bool owned() const { return m_owned; }

private:
    platform::Source &m_source;
    bool m_owned = false;
};

#include "platform/SharedInstances.h"

#include <cstdio>
#include <cstdlib>

namespace {
SharedInstances* active = nullptr;
}

SharedInstances::SharedInstances() {
    if (active) {
        std::fputs("Only one SharedInstances may exist at a time\n", stderr);
        std::abort();
    }
    active = this;
}

SharedInstances::~SharedInstances() {
    while (!m_entries.empty())
        m_entries.pop_back();
    active = nullptr;
}

SharedInstances& SharedInstances::current() {
    // A shared() call with nobody to own the result would leak it past the application object.
    if (!active) {
        std::fputs("shared() was called without a SharedInstances in scope\n", stderr);
        std::abort();
    }
    return *active;
}

void* SharedInstances::find(std::type_index type) const {
    for (const Entry& entry : m_entries)
        if (entry.type == type)
            return entry.instance.get();
    return nullptr;
}

void SharedInstances::add(std::type_index type, std::shared_ptr<void> instance) {
    m_entries.push_back({type, std::move(instance)});
}

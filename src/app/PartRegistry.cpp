#include "app/PartRegistry.h"

PartRegistry::~PartRegistry() {
    while (!m_entries.empty())
        m_entries.pop_back();
}

void* PartRegistry::find(std::type_index type) const {
    for (const Entry& entry : m_entries)
        if (entry.type == type)
            return entry.part.get();
    return nullptr;
}

void PartRegistry::add(std::type_index type, std::shared_ptr<void> part) {
    m_entries.push_back({type, std::move(part)});
}

// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"

#include <QObject>

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace toolkit {

// The controls of a loaded window by name and index, as the layout table names
// them: get<Label>("Label5", 2) is member 2 of the control array Label5. A
// window looks its controls up once, when it is loaded, and keeps typed
// references for its handlers.
class ControlSet {
public:
    void add(const Control& row, QObject* control) { controls_[{row.name, row.index}] = control; }

    template<class T>
    T& get(std::string_view name, int index = kNoIndex) const
    {
        const auto found = controls_.find({std::string(name), index});
        T* control = found == controls_.end() ? nullptr : qobject_cast<T*>(found->second);
        if (control == nullptr)
            throw std::logic_error("no control " + std::string(name) + "(" + std::to_string(index) + ") of that kind");
        return *control;
    }

private:
    std::map<std::pair<std::string, int>, QObject*> controls_;
};

} // namespace toolkit

// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <vector>

namespace toolkit {

class Form;

// The running program: it ends on End, or by itself once no window is loaded
// and no handler is running.
class Program : public QObject {
    Q_OBJECT
public:
    // Ends the program at once: every window closes without further handlers,
    // and the application's event loop is told to stop.
    void End();
    bool hasEnded() const { return ended_; }
    int loadedWindows() const { return loaded_; }

Q_SIGNALS:
    void ended();

private:
    friend class Form;
    void adopt(Form* form) { forms_.push_back(form); }
    void forget(Form* form) { std::erase(forms_, form); }
    void windowLoaded() { ++loaded_; }
    void windowUnloaded();

    std::vector<Form*> forms_;
    int loaded_ = 0;
    bool ended_ = false;
};

} // namespace toolkit

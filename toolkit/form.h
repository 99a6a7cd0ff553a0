// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/layout.h"
#include "toolkit/program.h"

#include <QObject>

#include <exception>
#include <functional>
#include <optional>
#include <tuple>
#include <type_traits>

namespace toolkit {

class ControlSet;
class DrawingSurface;
class FormWindow;

// One window of the program. The Form object is the window's state and lives
// from the window's first use to the end of the program; its widgets exist
// only while it is loaded. Life cycle: created, loaded (widgets built from the
// layout table, timers running), shown. Unload goes back to created and keeps
// the state.
class Form : public QObject {
    Q_OBJECT
public:
    Form(Program& program, const Window& layout);
    ~Form() override;

    // Loads the window if needed (build, bind, Form_Load), then shows it and
    // brings it to the front.
    void Show();
    // Destroys the widgets and everything drawn; the state stays. A handler
    // of this window that calls it still runs to its end.
    void Unload();

    bool isLoaded() const { return window_ != nullptr; }
    // The current client-area width in twips.
    float ScaleWidth() const;

    // While loaded: the top-level widget and the canvas of the client area.
    FormWindow* window() const { return window_; }
    DrawingSurface& surface() const;

protected:
    // Hides QObject::connect in every window on purpose: an error that escapes
    // a handler is caught here, before it would unwind through Qt's event
    // delivery, which is not built to pass exceptions on and would leave its
    // own objects behind half done. The handler may drop the signal's
    // arguments, as with QObject::connect.
    template<class Sender, class Signal, class Receiver, class Handler>
    QMetaObject::Connection connect(const Sender* sender, Signal signal, Receiver* receiver, Handler handler)
    {
        Program* program = &program_;
        return QObject::connect(sender, signal, receiver, [program, receiver, handler](const auto&... arguments) {
            try {
                invokeHandler(handler, receiver, arguments...);
            } catch (...) {
                program->endWithError(std::current_exception());
            }
        });
    }

    // Looks up the loaded controls and connects their events to handlers.
    virtual void bind(const ControlSet& controls) = 0;
    // Forgets the controls of the window being unloaded.
    virtual void release() = 0;
    virtual void Form_Load() {}

private:
    template<class Handler, class Receiver, class... Arguments>
    static void invokeHandler(const Handler& handler, Receiver* receiver, const Arguments&... arguments)
    {
        if constexpr (std::is_member_function_pointer_v<Handler>) {
            if constexpr (std::is_invocable_v<const Handler&, Receiver*, const Arguments&...>)
                std::invoke(handler, receiver, arguments...);
            else
                std::invoke(handler, receiver);
        } else if constexpr (std::is_invocable_v<const Handler&, const Arguments&...>) {
            std::invoke(handler, arguments...);
        } else {
            std::invoke(handler);
        }
    }
    void discard();

    Program& program_;
    const Window& layout_;
    FormWindow* window_ = nullptr;
};

// A Form whose handlers reach their controls through a struct of typed
// references, looked up once per load: controls().Text1. The struct is made
// from the loaded window's ControlSet and the arguments given here, kept by
// reference for every load (a beam window's description says which controls
// it has), so they must outlive the window.
template<class Controls, class... LookUp>
class FormWith : public Form {
public:
    FormWith(Program& program, const Window& layout, const LookUp&... lookUp)
        : Form(program, layout)
        , lookUp_(lookUp...)
    {
    }

    // The loaded window's controls; only while the window is loaded.
    Controls& controls() { return *controls_; }
    const Controls& controls() const { return *controls_; }

protected:
    virtual void connectEvents(Controls& controls) = 0;
    // Undoes, before the controls are forgotten, what connectEvents did
    // besides connections, which unloading drops by itself.
    virtual void releaseControls(Controls& /*controls*/) {}

private:
    void bind(const ControlSet& set) final
    {
        std::apply([&](const LookUp&... lookUp) { controls_.emplace(set, lookUp...); }, lookUp_);
        connectEvents(*controls_);
    }
    void release() final
    {
        releaseControls(*controls_);
        controls_.reset();
    }

    std::tuple<const LookUp&...> lookUp_;
    std::optional<Controls> controls_;
};

} // namespace toolkit

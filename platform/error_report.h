#pragma once
#include "dialogs.h"

#include <QObject>
#include <functional>

namespace skelvora {

// The general error report: a handler that throws ends at the failing step
// and the error is shown with a full stop, caption "Skelvora" and a stop
// icon; then the program goes on. No exception ever crosses Qt code.
class ErrorReporter {
public:
    explicit ErrorReporter(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Runs f; returns false when it failed (and the failure was shown).
    bool run(const std::function<void()>& f) noexcept;
    void report(const QString& message) noexcept;

    // Connects a signal to a handler through the report.
    template <class Sender, class Signal, class F>
    QMetaObject::Connection connect(Sender* sender, Signal signal, QObject* context, F handler)
    {
        return QObject::connect(sender, signal, context, [this, handler]() { run(handler); });
    }

private:
    Dialogs& dialogs_;
};

} // namespace skelvora

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Starting programs that outlive this one, and ending this one.
class ApplicationControl {
public:
    virtual ~ApplicationControl() = default;

    // Starts `program` on its own, not as a child that dies with us. Answers nothing on success, or
    // why it could not be started.
    virtual std::optional<QString> startDetached(const QString& program,
                                                 const QStringList& arguments = {}) = 0;
    // Leaves the event loop, which ends the program.
    virtual void quit() = 0;
};

#pragma once

#include <QString>

#include <functional>

// The channel between starts of the program: a later start asks the running one to come to the front.
// The program loads it as a module when it first needs it (see app/SingleInstance), so that the network
// libraries it needs are not loaded before the splash; the tests make a LocalChannel themselves.
class InstanceChannel
{
public:
    virtual ~InstanceChannel() = default;

    // Asks the start listening on name to come forward; true when the request was delivered.
    virtual bool ask(const QString &name) = 0;
    // Answers requests on name from now on, each with activate; false, told on standard error, when it
    // cannot.
    virtual bool listen(const QString &name, std::function<void()> activate) = 0;
};

#pragma once

#include "instance/InstanceChannel.h"

#include <QObject>

class QLocalServer;

// The channel between starts as a local socket (a Unix domain socket, or a named pipe on Windows) that
// only its user may open. A socket left by a program that crashed is removed before listening.
class LocalChannel final : public QObject, public InstanceChannel
{
    Q_OBJECT

public:
    LocalChannel() = default;
    ~LocalChannel() override;

    bool ask(const QString &name) override;
    bool listen(const QString &name, std::function<void()> activate) override;

private:
    void requestArrived();

    QLocalServer *m_server = nullptr;
    std::function<void()> m_activate;
};

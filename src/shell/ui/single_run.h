#pragma once
// The conversation between the running copy of the program and a second copy
// started over the same settings file: the first listens on a local socket
// named after that file; the second asks it to come forward and then ends
// without touching any file.

#include <QObject>
#include <QString>

class QLocalServer;

namespace quintaro {

class FirstCopyChannel : public QObject {
    Q_OBJECT
public:
    explicit FirstCopyChannel(QObject* parent = nullptr);
    ~FirstCopyChannel() override;

    // The first copy: listens under `key` (RunLock::InstanceKey). A socket
    // left by a copy that died is replaced; only this user may connect.
    bool Listen(const QString& key);

    // A second copy: asks the copy listening under `key` to come forward,
    // trying for up to `waitMs` while that copy may still be starting. True
    // when it took the request.
    static bool AskToComeForward(const QString& key, int waitMs = 10000);

    // The first copy's reaction: its windows come forward, restored if minimised.
    static void BringWindowsForward();

signals:
    // A second copy asked this one to come forward.
    void comeForwardRequested();

private:
    QLocalServer* server_ = nullptr;
};

} // namespace quintaro

#include "windows/XdgMail.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>

namespace brisvane {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string describeExit(int status) {
    switch (status) {
    case 1:
        return "The mail program was given arguments it does not accept";
    case 2:
        return "The language file to attach does not exist";
    case 3:
        return "No mail program was found on this computer";
    case 4:
        return "The mail program could not compose the message";
    case 5:
        return "The language file to attach may not be read";
    default:
        return "The mail program failed (xdg-email ended with status " + std::to_string(status) +
               ")";
    }
}

} // namespace

XdgMail::XdgMail(QString program, int patience)
    : program_(std::move(program)), patience_(patience) {}

QStringList XdgMail::arguments(const MailMessage& message) {
    QStringList args{QStringLiteral("--utf8"), QStringLiteral("--subject"), q(message.subject),
                     QStringLiteral("--body"), q(message.body)};
    if (!message.attachmentPath.empty()) {
        args << QStringLiteral("--attach")
             << QFileInfo(q(message.attachmentPath)).absoluteFilePath();
    }
    args << q(message.to);
    return args;
}

MailResult XdgMail::send(const MailMessage& message) {
    if (!message.attachmentPath.empty()) {
        const QFileInfo attachment(q(message.attachmentPath));
        if (!attachment.isFile() || !attachment.isReadable()) {
            return {75, "Path/File access error: " + message.attachmentPath + " cannot be read"};
        }
    }
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program_, arguments(message));
    if (!process->waitForStarted()) {
        delete process;
        return {127, "The mail program could not be started: " + program_.toStdString() +
                         " was not found (it comes with xdg-utils)"};
    }

    // Most mail programs take the message at once; for the others a note says what the game
    // waits for, and the windows keep drawing meanwhile.
    if (!process->waitForFinished(300)) {
        constexpr const char* Waiting = "Handing the language file to your mail program...";
        QProgressDialog note(
            QString::fromStdString(texts_ != nullptr ? textOr(*texts_, "s166", Waiting) : Waiting),
            QString(), 0, 0, parent_);
        note.setWindowTitle(QStringLiteral("Brisvane Translator"));
        note.setWindowModality(Qt::ApplicationModal);
        note.setMinimumDuration(0);
        note.show();
        QEventLoop loop;
        QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(patience_, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (process->state() != QProcess::NotRunning) {
        // The mail program is open with the message and keeps xdg-email waiting: it runs on
        // on its own and cleans up after itself; it is never killed with the game.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return {};
    }
    const bool crashed = process->exitStatus() == QProcess::CrashExit;
    const int status = process->exitCode();
    delete process;
    if (crashed) {
        return {4, "The mail program stopped unexpectedly"};
    }
    if (status != 0) {
        return {status, describeExit(status)};
    }
    return {};
}

} // namespace brisvane

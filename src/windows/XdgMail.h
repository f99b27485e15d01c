#pragma once
// The mail port on the Linux desktop: hands subject, text and attachment to the user's own
// mail program through xdg-email (from xdg-utils), which opens a composed message there.
//
// Success is what xdg-email reports: exit status 0. Its other statuses become the error
// number (1 bad arguments, 2 a file missing, 3 no mail program found, 4 the mail program
// failed, 5 no permission to read the attachment); 127 when xdg-email itself is missing.
// Some mail programs keep xdg-email waiting for as long as they run; after `patience` ms
// without a failure the message counts as handed over, and xdg-email is left to run on.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/Ports.h"
#include "common/Texts.h"

namespace brisvane {

class XdgMail : public Mail {
public:
    explicit XdgMail(QString program = QStringLiteral("xdg-email"), int patience = 20000);

    // The window that a "waiting for the mail program" note belongs to.
    void setParent(QWidget* parent) { parent_ = parent; }
    // The texts the note is written in.
    void setTexts(const Texts* texts) { texts_ = texts; }

    MailResult send(const MailMessage& message) override;

    // The arguments xdg-email gets for `message`.
    static QStringList arguments(const MailMessage& message);

private:
    QString program_;
    int patience_;
    QPointer<QWidget> parent_;
    const Texts* texts_ = nullptr;
};

} // namespace brisvane

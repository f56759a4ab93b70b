#pragma once

#include <QString>
#include <QWidget>

namespace orva {

// Tells a screen reader what changed where no focus moves: a refused value, the count of
// records found, the page a wizard turned to. Each window has one, a one-pixel unfocusable
// notification whose accessible name is the last message; every message reports it shown
// again, which is what screen readers speak a notification on (AT-SPI's showing state; the
// announcement event of later Qt versions is not in the Qt this program is built with).
class Announcer final : public QWidget {
    Q_OBJECT

public:
    // Says `text` through the announcer of `widget`'s window, made on first use.
    static void Announce(QWidget* widget, const QString& text);
    // The announcer of `window`, or null before its first announcement.
    static Announcer* Of(const QWidget* window);

    // The last message said.
    const QString& Text() const { return text_; }

signals:
    void Announced(const QString& text);

private:
    explicit Announcer(QWidget* window);
    void Say(const QString& text);

    QString text_;
};

}  // namespace orva

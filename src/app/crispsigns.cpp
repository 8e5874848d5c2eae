// SPDX-License-Identifier: GPL-3.0-or-later
#include "crispsigns.h"

#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QScreen>
#include <QVariant>
#include <QWindow>
#include <cmath>

namespace {

const char *const signProperty = "crispSign";
const char *const signSizeProperty = "crispSignSize";
constexpr int finestDrawing = 3;

const QStringList &formSigns()
{
    static const QStringList signs{QStringLiteral(":/new/images/myfiles/question.png"),
                                   QStringLiteral(":/myfiles/myfiles/Warning.png")};
    return signs;
}

QString drawingFor(const QString &resource, int scale)
{
    if (scale == 1)
        return resource;
    QString name = resource;
    return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
}

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void showSigns(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QString sign = label->property(signProperty).toString();
        if (!sign.isEmpty())
            showCrispSign(label, sign, label->property(signSizeProperty).toInt());
    }
}

// Follows the window to screens of another scale; its platform window only exists once shown.
class ScreenWatch : public QObject
{
public:
    explicit ScreenWatch(QWidget *watched) : QObject(watched), window(watched)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Show && window->windowHandle()) {
            window->removeEventFilter(this);
            connect(window->windowHandle(), &QWindow::screenChanged, this, [this] { showSigns(window); });
            showSigns(window);
        }
        return false;
    }

private:
    QWidget *window;
};

} // namespace

QPixmap signPixmap(const QString &resource, int size, qreal devicePixelRatio)
{
    // Many rows show the same few signs, and the window shows them all again once it knows its
    // screen: each is drawn once per size and scale.
    static QHash<QString, QPixmap> drawn;
    const QString key = resource + QLatin1Char('|') + QString::number(size) + QLatin1Char('|') +
                        QString::number(devicePixelRatio);
    if (const auto known = drawn.constFind(key); known != drawn.cend())
        return *known;
    const int scale = qBound(1, int(std::ceil(devicePixelRatio - 0.01)), finestDrawing);
    QImage image(drawingFor(resource, scale));
    if (image.isNull())
        image = QImage(resource);
    const int pixels = qRound(size * devicePixelRatio);
    if (image.width() != pixels)
        image = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    drawn.insert(key, pixmap);
    return pixmap;
}

void showCrispSign(QLabel *label, const QString &resource, int size)
{
    label->setProperty(signProperty, resource);
    label->setProperty(signSizeProperty, size);
    label->setPixmap(signPixmap(resource, size, label->devicePixelRatioF()));
}

void keepSignsCrisp(QWidget *window)
{
    QVector<QImage> drawings;
    for (const QString &sign : formSigns())
        drawings << comparable(QImage(sign));
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QPixmap shown = label->pixmap(Qt::ReturnByValue);
        if (shown.isNull())
            continue;
        const int found = drawings.indexOf(comparable(shown.toImage()));
        if (found >= 0)
            showCrispSign(label, formSigns().at(found), shown.width());
    }
    new ScreenWatch(window);
}

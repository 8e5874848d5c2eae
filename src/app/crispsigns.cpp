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

// Every sign under `window` drawn for its screen: the labels showing one already, and those
// showing a sign as the form loads it, found by their pictures.
void showSigns(QWidget *window)
{
    QVector<QImage> drawings;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QString sign = label->property(signProperty).toString();
        if (!sign.isEmpty()) {
            showCrispSign(label, sign, label->property(signSizeProperty).toInt());
            continue;
        }
        const QPixmap shown = label->pixmap(Qt::ReturnByValue);
        if (shown.isNull())
            continue;
        if (drawings.isEmpty())
            for (const QString &drawing : formSigns())
                drawings << comparable(QImage(drawing));
        const int found = drawings.indexOf(comparable(shown.toImage()));
        if (found >= 0)
            showCrispSign(label, formSigns().at(found), shown.width());
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

    // The form's signs are drawn for one device pixel a point: on such a screen they stay as they
    // are, and finding them is left until a screen needs other drawings.
    void follow()
    {
        const qreal ratio = window->devicePixelRatioF();
        if (qFuzzyCompare(ratio, drawnFor))
            return;
        showSigns(window);
        drawnFor = ratio;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Show && window->windowHandle()) {
            window->removeEventFilter(this);
            connect(window->windowHandle(), &QWindow::screenChanged, this, &ScreenWatch::follow);
            follow();
        }
        return false;
    }

private:
    QWidget *window;
    qreal drawnFor = 1;
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
    (new ScreenWatch(window))->follow();
}

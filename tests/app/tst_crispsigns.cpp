// SPDX-License-Identifier: GPL-3.0-or-later
// The signs beside options on a screen of two device pixels a point: drawn for it, not enlarged.

#include "app/crispsigns.h"
#include "support/resources.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

// The share of a sign's visible pixels that are part transparent: its anti-aliased rim. A sign
// drawn for the screen has a rim about one device pixel wide; one enlarged from its one-pixel
// drawing has a rim two pixels wide, smeared or stepped.
double rimShare(QLabel *label)
{
    QImage image(label->size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags()); // the sign alone, no ground
    const int visible = fixtures::pixelsWhere(image, [](QRgb pixel) { return qAlpha(pixel) > 0; });
    const int rim =
        fixtures::pixelsWhere(image, [](QRgb pixel) { return qAlpha(pixel) > 0 && qAlpha(pixel) < 255; });
    return visible ? double(rim) / visible : 1.0;
}

} // namespace

class CrispSignsTest : public QObject
{
    Q_OBJECT

private slots:
    void signsAreDrawnForTheScreen_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::newRow("help") << QStringLiteral(":/new/images/myfiles/question.png");
        QTest::newRow("warning") << QStringLiteral(":/myfiles/myfiles/Warning.png");
    }

    // As the form loads them: the plain resource set as the label's pixmap.
    void signsAreDrawnForTheScreen()
    {
        QFETCH(QString, resource);
        QWidget enlarged;
        QWidget crisp;
        for (QWidget *window : {&enlarged, &crisp}) {
            auto *label = new QLabel(window);
            label->setPixmap(QPixmap(resource));
            label->resize(21, 21);
        }
        keepSignsCrisp(&crisp);
        QCOMPARE(crisp.devicePixelRatioF(), 2.0);
        const double rimOfEnlarged = rimShare(enlarged.findChild<QLabel *>());
        const double rimOfCrisp = rimShare(crisp.findChild<QLabel *>());
        QVERIFY2(rimOfEnlarged > 0.2, qPrintable(QString::number(rimOfEnlarged)));
        QVERIFY2(rimOfCrisp < 0.2, qPrintable(QString::number(rimOfCrisp)));
    }

    // The real window's signs, the form's six and the rows' warnings, are drawn for the screen.
    void theWindowsSignsAreDrawnForTheScreen()
    {
        WindowFixture f;
        f.start();
        f.showEveryPage(); // the rows' signs come with their pages
        QStringList signs;
        for (const QLabel *label : f.window->findChildren<QLabel *>()) {
            const QPixmap sign = label->pixmap(Qt::ReturnByValue);
            if (!sign.isNull()) {
                signs << label->objectName();
                QVERIFY2(sign.devicePixelRatio() == 2.0, qPrintable(label->objectName()));
            }
        }
        QVERIFY2(signs.size() > 6, qPrintable(signs.join(", ")));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    initPanelcraftResources();
    CrispSignsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crispsigns.moc"

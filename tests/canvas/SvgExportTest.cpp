// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <QXmlStreamReader>

#include "canvas/Canvas.h"
#include "canvas/SvgExport.h"
#include "common/TestRegistry.h"

class SvgExportTest : public QObject {
    Q_OBJECT

  private slots:
    // Every traced point and segment becomes one shape; the document is well-formed XML.
    void shapesFollowTheTrace() {
        canvas::Canvas c(8400, 7680);
        c.Scale(-12, 12, 12, -12);
        c.setTraceEnabled(true);
        c.Line(-10, 0, 10, 0, qRgb(0, 255, 0));
        c.PSet(1, 2, qRgb(0, 0, 255));
        c.PSet(1e30f, 0, qRgb(0, 0, 255));  // far away: left out
        c.setCurrentX(1);
        c.setCurrentY(1);
        c.Print("Ｘ<&>");
        QXmlStreamReader xml(QByteArray::fromStdString(canvas::ToSvg(c)));
        int lines = 0, rects = 0, texts = 0;
        QString text;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"line") {
                ++lines;
                QCOMPARE(xml.attributes().value("stroke").toString(), QString("#00ff00"));
            }
            if (xml.name() == u"rect") ++rects;
            if (xml.name() == u"text") {
                ++texts;
                text = xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(lines, 1);
        QCOMPARE(rects, 2);  // the background and the one visible point
        QCOMPARE(texts, 1);
        QCOMPARE(text, QString("Ｘ<&>"));
    }
};

FUNCURVE_TEST(SvgExportTest)
#include "SvgExportTest.moc"

// The "Punteggio" report window, offscreen.

#include "core/scoring/ScoreReportGolden.h"
#include "support/TempFolder.h"
#include "ui/scoring/ScoreReportDialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace zelkor;

namespace {

// The box shows lines; the golden file holds them with CR LF.
QString ShownText(const char* goldenFile)
{
    QString text = QString::fromLatin1(test::ReadTestData(QString::fromLatin1(goldenFile)));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPlainTextEdit* ReportBox(QWidget& dialog)
{
    return dialog.findChild<QPlainTextEdit*>(QStringLiteral("Punteggio"));
}

QPushButton* OkButton(QWidget& dialog)
{
    return dialog.findChild<QPushButton*>(QStringLiteral("OK"));
}

void ShowActive(QWidget& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QCoreApplication::processEvents();
}

}  // namespace

class TestScoreReport : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheReportUnderItsTitle_data();
    void ShowsTheReportUnderItsTitle();
    void UsesTheFixedPitchFont();
    void WholeReportFitsWithoutScrolling();
    void FocusOnTheReportGoesToOk();
    void OkClosesTheWindow();
};

void TestScoreReport::ShowsTheReportUnderItsTitle_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("heading");
    QTest::newRow("QSO") << static_cast<int>(LogLayout::Qso) << QStringLiteral(" N.Qso ");
    QTest::newRow("SWL") << static_cast<int>(LogLayout::Swl) << QStringLiteral(" N.Hrd ");
}

void TestScoreReport::ShowsTheReportUnderItsTitle()
{
    QFETCH(int, layout);
    QFETCH(QString, heading);
    ScoreReportDialog dialog(test::GoldenQsoScoreTable(), static_cast<LogLayout>(layout));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Punteggio"));
    QVERIFY(dialog.isModal());
    QPlainTextEdit* box = ReportBox(dialog);
    QVERIFY(box != nullptr);
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->accessibleName(), QStringLiteral("Punteggio"));
    QString expected = ShownText("score-report-qso.txt");
    expected.replace(QStringLiteral(" N.Qso "), heading);
    QCOMPARE(box->toPlainText(), expected);
    QVERIFY(OkButton(dialog) != nullptr);
    QCOMPARE(OkButton(dialog)->text(), QStringLiteral("OK"));
    QCOMPARE(OkButton(dialog)->accessibleName(), QStringLiteral("OK"));
}

void TestScoreReport::UsesTheFixedPitchFont()
{
    ScoreReportDialog dialog(test::GoldenQsoScoreTable(), LogLayout::Qso);
    const QFont font = ReportBox(dialog)->font();

    QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    // The columns only line up if every character the report uses is as wide as the next; the
    // font's own fixed-pitch flag is not reliable (Noto Sans Mono leaves it unset).
    const QFontMetrics metrics(font);
    const int blankWidth = metrics.horizontalAdvance(QString(40, QLatin1Char(' ')));
    for (const QChar c : QStringLiteral("0123456789.-/abcdeilmnoprstvMNOPQRSTU")) {
        QCOMPARE(metrics.horizontalAdvance(QString(40, c)), blankWidth);
    }
}

void TestScoreReport::WholeReportFitsWithoutScrolling()
{
    ScoreReportDialog dialog(test::GoldenQsoScoreTable(), LogLayout::Qso);
    ShowActive(dialog);
    QPlainTextEdit* box = ReportBox(dialog);

    QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
    QVERIFY(!box->verticalScrollBar()->isVisible());
    QVERIFY(!box->horizontalScrollBar()->isVisible());
}

void TestScoreReport::FocusOnTheReportGoesToOk()
{
    ScoreReportDialog dialog(test::GoldenQsoScoreTable(), LogLayout::Qso);
    ShowActive(dialog);
    QPlainTextEdit* box = ReportBox(dialog);
    QPushButton* ok = OkButton(dialog);
    QCOMPARE(QApplication::focusWidget(), ok);

    box->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), ok);

    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ok);

    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), ok);
}

void TestScoreReport::OkClosesTheWindow()
{
    ScoreReportDialog byClick(test::GoldenQsoScoreTable(), LogLayout::Qso);
    ShowActive(byClick);
    OkButton(byClick)->click();
    QVERIFY(!byClick.isVisible());
    QCOMPARE(byClick.result(), static_cast<int>(QDialog::Accepted));

    // Focus bounced to OK makes Enter close the window too.
    ScoreReportDialog byEnter(test::GoldenQsoScoreTable(), LogLayout::Qso);
    ShowActive(byEnter);
    ReportBox(byEnter)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!byEnter.isVisible());
    QCOMPARE(byEnter.result(), static_cast<int>(QDialog::Accepted));
}

QTEST_MAIN(TestScoreReport)
#include "tst_scorereport.moc"

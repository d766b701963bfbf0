// Scale.* and WindowLayout.* also run at 150 % and 200 % (QT_SCALE_FACTOR):
// pictures are supplied at the display's pixel ratio, positions stay those
// of the layout, and no text is cut off.

#include "window_helpers.h"

#include "app/window/language.h"

#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace trevalo::app::testing {
namespace {

using WindowLayout = ShownWindow;
using Scale = ShownWindow;
using Language = ShownWindow;

// The English texts the translation of `code` gives in other words, as
// patterns that match them whatever fills their placeholders. Texts of
// placeholders and signs alone would match anything, and are left out.
std::vector<QRegularExpression> translated_english(const QString& code)
{
    QFile ts(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../translations/trevalo_%1.ts").arg(code));
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << ts.fileName().toStdString();
    QXmlStreamReader xml(&ts);
    std::vector<QRegularExpression> english;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && xml.readElementText() != source &&
                 QString(source).remove(placeholder).contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
            english.emplace_back(QRegularExpression::anchoredPattern(
                QRegularExpression::escape(source).replace(placeholder, QStringLiteral(".*"))));
    }
    return english;
}

// Every caption, tooltip and accessible text of the window, each with its control.
std::vector<std::pair<QString, QString>> shown_texts(const QWidget& window)
{
    std::vector<std::pair<QString, QString>> texts;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        for (const QString& t : {w->toolTip(), w->accessibleName(), w->accessibleDescription()})
            texts.emplace_back(name, t);
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts.emplace_back(name, label->text());
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts.emplace_back(name, button->text());
        if (auto* frame = qobject_cast<const QGroupBox*>(w))
            texts.emplace_back(name, frame->title());
        if (auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts.emplace_back(name, tabs->tabText(i));
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts.emplace_back(action->objectName(), action->text());
    return texts;
}

// Run in each language (ctest's Language.*): on both tabs, with a workout
// shown, every text is in the language, and every caption fits.
TEST_F(Language, NoControlShowsEnglishWhereATranslationExists)
{
    const QString code = language_for(QLocale::system().uiLanguages());
    const QString expected = qEnvironmentVariable("TREVALO_LANGUAGE_EXPECTED");
    const QString spoken = QLocale::system().uiLanguages().value(0);
    if (!expected.isEmpty() && QLocale(spoken).language() != QLocale(expected).language())
        GTEST_SKIP() << "the system speaks " << spoken.toStdString() << ", not " << expected.toStdString()
                     << ": under Wine its locale (LC_ALL) is not made on this machine";
    if (code.isEmpty() && expected.isEmpty())
        GTEST_SKIP() << "the window speaks English";
    if (!expected.isEmpty()) {
        ASSERT_EQ(code, expected);
    }
    const auto english = translated_english(code);
    ASSERT_GT(english.size(), 300u);
    window.open_path(write(QStringLiteral("QM20_REC.cus"),
                           workout("2026/03/01 07:30", "LBS", {" 2.0", " 4.0", " 6.5"}) +
                               workout("2026/03/02 18:05", " KG", {" 9.6", "20.8"})));
    for (int tab : {1, 0}) {
        control<QTabBar>(window, "SSTab1_tabs")->setCurrentIndex(tab);
        expect_texts_fit(window);
        for (const auto& [name, text] : shown_texts(window))
            for (const QRegularExpression& source : english)
                EXPECT_FALSE(!text.isEmpty() && source.match(text).hasMatch())
                    << name.toStdString() << " shows \"" << text.toStdString() << "\"";
    }
}

// Every named control: its frame or page, its place and size in logical
// pixels, and whether it is hidden, a line each, compared whole with the
// golden file beside this test. TREVALO_WRITE_GOLDEN=1 writes the file anew
// after a change of the layout, and fails the run so that it is looked at.
// The tab bar is left out: its size is the font's.
TEST_F(WindowLayout, EveryControlStandsAtItsTwipsPositionInItsFrameOrPage)
{
    QString layout;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QRect g = w->geometry();
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") && !qobject_cast<const QTabBar*>(w) &&
            !qobject_cast<const QTabBar*>(w->parentWidget()))
            layout += QStringLiteral("%1 in %2 at %3,%4 size %5x%6%7\n")
                          .arg(w->objectName(), w->parentWidget()->objectName(), QString::number(g.x()),
                               QString::number(g.y()), QString::number(g.width()), QString::number(g.height()),
                               QLatin1String(w->isHidden() ? " hidden" : ""));
    }
    QFile golden(QStringLiteral(QT_TESTCASE_SOURCEDIR "/window_layout.golden"));
    if (qEnvironmentVariableIsSet("TREVALO_WRITE_GOLDEN")) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly));
        golden.write(layout.toUtf8());
        FAIL() << "wrote " << golden.fileName().toStdString();
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
    EXPECT_EQ(layout, QString::fromUtf8(golden.readAll()));
}

// Start-up fills both tabs from their models; the title's "[*]" shows unsaved work.
TEST_F(WindowLayout, OpensOnTheEditTabWithBothTabsFilled)
{
    EXPECT_EQ(window.windowTitle(), "TREVALO USB AP v0.9[*]");
    EXPECT_EQ(window.size(), QSize(712, 675));
    EXPECT_LE(control(window, "SSTab1_tabs")->height(), control(window, "Frame1_Edit")->y() + 8);
    expect_edit_tab_shows_model(window);
    expect_record_tab_shows_model(window);
    EXPECT_FALSE(control(window, "Command_workouts")->isEnabled());
    EXPECT_FALSE(window.findChild<QAction*>("Action_save_charts")->isEnabled());
    for (QComboBox* list : window.findChildren<QComboBox*>())
        EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
}

// The lists and captions change with the model, the unit and the mode:
// each choice, by keyboard or mouse, reaches the model and every control.
TEST_F(WindowLayout, EveryTextFitsItsControlForEveryModelAndUnit)
{
    auto* type = control<QComboBox>(window, "Combo_type");
    for (int model = 0; model < 3; ++model) {
        QTest::keyClick(type, model == 0 ? Qt::Key_Home : Qt::Key_Down);
        ASSERT_EQ(type->currentIndex(), model);
        for (const char* unit : {"Option_kph", "Option_mph"}) {
            click(window, unit);
            if (model == 0)
                click(window, "Option_sil");
            ASSERT_TRUE(control<QRadioButton>(window, unit)->isChecked());
            EXPECT_TRUE(model != 0 || control<QRadioButton>(window, "Option_sil")->isChecked());
            expect_edit_tab_shows_model(window);
            expect_texts_fit(window);
            // The longest summary: every value at the end of its list.
            for (int i = 0; i < editor::segments_shown(window.edit_model().model()); ++i)
                for (const char* list : {"Combo_s", "Combo_i"})
                    QTest::keyClick(control(window, element(list, i)), Qt::Key_End);
            QTest::keyClick(control(window, "Combo_min"), Qt::Key_End);
            expect_texts_fit(window);
        }
    }
}

TEST_F(Scale, PicturesAreSharpAtTheDisplaysPixelRatio)
{
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    ASSERT_EQ(window.devicePixelRatioF(), ratio);
    const std::pair<const char*, QSize> pictures[] = {{"Image1_0", {20, 20}}, {"Image_seg_g_3", {20, 160}},
                                                      {"Image_p", {400, 161}}, {"Image_R", {20, 20}}};
    for (const auto& [name, logical] : pictures) {
        const QPixmap picture = control<PictureBox>(window, name)->picture();
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << name;
        // Whole device pixels, rounded up.
        EXPECT_EQ(picture.size(), QRectF(QPointF(), QSizeF(logical) * ratio).toAlignedRect().size()) << name;
    }
    // A lamp: green in the middle, black in the corners, at any scale.
    const QImage lamp = control<PictureBox>(window, "Image1_0")->picture().toImage();
    EXPECT_EQ(lamp.pixelColor(lamp.width() / 2, lamp.height() / 2), QColor(0, 255, 0));
    EXPECT_EQ(lamp.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(lamp.pixelColor(lamp.width() - 1, lamp.height() - 1), QColor(Qt::black));
    // The grid lines are whole device rows: no grey smear beside them.
    const QImage grid = control<PictureBox>(window, "Image_p")->picture().toImage();
    for (int y = 0; y < grid.height(); ++y) {
        const QColor c = grid.pixelColor(grid.width() / 2, y);
        ASSERT_TRUE(c == QColor(Qt::white) || c == QColor(Qt::black)) << "row " << y;
    }
}

}  // namespace
}  // namespace trevalo::app::testing

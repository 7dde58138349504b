// The program in every language it ships, offscreen on a 1280x800 screen
// (and, run again by ctest, at scale 1.5 and 2 on screens of 1920x1200 and
// 2560x1600): no menu and no dialog page gives one Alt+letter to two
// controls, no label, button, group title or tab text is cut, and no window
// is larger than the screen, and every text of the program they show has a
// translation. Then which language a start uses, and
// Setting > Language keeping the choice.
#include <QActionGroup>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTabBar>
#include <QTranslator>

#include "OtherWindows.h"
#include "TestMainWindow.h"
#include "app/CLanguageMenu.h"
#include "app/Languages.h"
#include "app/Resources.h"
#include "channels/ChannelEditDialog.h"
#include "dialogs/DialogRegistry.h"
#include "link/SampleCodeplug.h"
#include "util/Translation.h"

using namespace dpmr::test;

namespace {

std::string TranslateCore(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

// Asked before the program's own translations: notes each text of the
// program that the language has no translation for (a text shown but never
// handed to the translators). Qt's own contexts are Qt's business.
class MissingTexts : public QTranslator {
  public:
    explicit MissingTexts(const QTranslator& own) : own_(own) {}
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        // A number with its unit ("400 MHz") reads the same in every language.
        static const QRegularExpression units("\\b(MHz|kHz|Hz|dB|ms)\\b");
        const QString text = QString::fromUtf8(source);
        if (context && context[0] != 'Q' &&
            QString(text).remove(units).contains(QRegularExpression("[A-Za-z]")) &&
            own_.translate(context, source, disambiguation, n).isEmpty())
            missing_.insert(QString(context) + ": " + text.left(70));
        return {};
    }
    bool isEmpty() const override { return false; }
    const QSet<QString>& missing() const { return missing_; }

  private:
    const QTranslator& own_;
    mutable QSet<QString> missing_;
};

// One language's translations installed for the life of the scope.
class LanguageScope {
  public:
    explicit LanguageScope(const QString& code) : code_(code) {
        if (code == "en") return;
        InitResources();
        loaded_ = own_.load(":/i18n/dpmrcps_" + code + ".qm");
        QCoreApplication::installTranslator(&own_);
        if (qt_.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        QCoreApplication::installTranslator(&missing_);
        dpmr::InstallTranslator(&TranslateCore);
    }
    ~LanguageScope() {
        QCoreApplication::removeTranslator(&missing_);
        QCoreApplication::removeTranslator(&own_);
        QCoreApplication::removeTranslator(&qt_);
        dpmr::InstallTranslator(nullptr);
    }
    bool loaded() const { return code_ == "en" || loaded_; }
    // What was shown untranslated so far, "en" none.
    QStringList Missing() const {
        QStringList list(missing_.missing().begin(), missing_.missing().end());
        list.sort();
        for (QString& text : list) text = code_ + " has no translation of " + text;
        return list;
    }

  private:
    QString code_;
    bool loaded_ = false;
    QTranslator own_;
    QTranslator qt_;
    MissingTexts missing_{own_};
};

// Each fault on a line of its own: the test's message would cut a long list.
void ExpectNoFaults(const QStringList& faults) {
    for (const QString& fault : faults) qWarning().noquote() << fault;
    QVERIFY2(faults.isEmpty(),
             qPrintable(QString::number(faults.size()) + " faults, listed above"));
}

QString Mnemonic(const QString& text) {
    return QKeySequence::mnemonic(text).toString();
}

// Two texts with one Alt+letter, in `where`.
void CheckMnemonics(const QString& where, const QStringList& texts, QStringList& faults) {
    QMap<QString, QString> seen;
    for (const QString& text : texts) {
        const QString key = Mnemonic(text);
        if (key.isEmpty()) continue;
        if (seen.contains(key))
            faults << where + ": " + key + " is both \"" + seen[key] + "\" and \"" + text + "\"";
        else
            seen[key] = text;
    }
}

void CheckMenu(const QString& lang, QMenu* menu, QStringList& faults) {
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        texts << a->text();
        if (a->menu()) CheckMenu(lang, a->menu(), faults);
    }
    CheckMnemonics(lang + " menu " + menu->title(), texts, faults);
}

QString Where(const QString& lang, const QString& window, const QWidget* w) {
    return lang + " " + window + " > " + w->metaObject()->className() + " " + w->objectName();
}

// The texts of the controls `page` shows that an Alt+letter reaches, and the
// cut ones among them.
void CheckPage(const QString& lang, const QString& window, QWidget* page, QStringList extra,
               QStringList& faults) {
    QStringList texts = std::move(extra);
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page->window()) || label->text().isEmpty()) continue;
        if (label->buddy()) texts << label->text();
        if (label->wordWrap()) {
            if (label->height() + 1 < label->heightForWidth(label->width()))
                faults << Where(lang, window, label) + " cut: " + label->text().left(60);
        } else if (label->width() + 1 < label->sizeHint().width()) {
            faults << Where(lang, window, label) + " cut: " + label->text().left(60) + " (" +
                          QString::number(label->width()) + " < " +
                          QString::number(label->sizeHint().width()) + ")";
        }
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(page->window()) || button->text().isEmpty()) continue;
        if (qobject_cast<QTabBar*>(button->parentWidget()))
            continue;  // the tab bar's scroll arrows
        texts << button->text();
        if (button->width() + 1 < button->sizeHint().width())
            faults << Where(lang, window, button) + " cut: " + button->text() + " (" +
                          QString::number(button->width()) + " < " +
                          QString::number(button->sizeHint().width()) + ")";
    }
    for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
        if (!box->isVisibleTo(page->window()) || box->title().isEmpty()) continue;
        texts << box->title();
        const int needed = box->fontMetrics().horizontalAdvance(QString(box->title()).remove('&'));
        if (box->width() < needed + 8)
            faults << Where(lang, window, box) + " title cut: " + box->title();
    }
    CheckMnemonics(lang + " " + window, texts, faults);
}

// A window as a whole: each page of its tabs in turn, its tab bar, its size.
void CheckWindow(const QString& lang, const QString& caption, QWidget* window,
                 QStringList& faults) {
    ShowActive(window);
    QApplication::processEvents();
    const QRect screen = window->screen()->availableGeometry();
    if (window->frameGeometry().width() > screen.width() ||
        window->frameGeometry().height() > screen.height())
        faults << lang + " " + caption + " is larger than the screen";
    auto* tabs = window->findChild<QTabWidget*>();
    if (!tabs) {
        CheckPage(lang, caption, window, {}, faults);
        window->close();
        return;
    }
    QStringList tabTexts;
    for (int i = 0; i < tabs->count(); ++i) tabTexts << tabs->tabText(i);
    QTabBar* bar = tabs->tabBar();
    const int last = bar->count() - 1;
    if (last >= 0 && bar->tabRect(last).right() > bar->width())
        faults << lang + " " + caption + ": the tabs do not all fit";
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        // The controls outside the tabs (Close) are on every page.
        QStringList outside;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (b->isVisible() && !tabs->isAncestorOf(b) &&
                !qobject_cast<QTabBar*>(b->parentWidget()))
                outside << b->text();
        CheckPage(lang, caption + " > " + tabs->tabText(i), tabs->widget(i), outside + tabTexts,
                  faults);
    }
    window->close();
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

  private slots:
    void screenIsTheOneAskedFor() {
        // The offscreen screen the suite is run on (its config file).
        const QRect screen = QApplication::primaryScreen()->geometry();
        QCOMPARE(screen.size(), QSize(1280, 800));
    }

    void menusGiveEachLetterOnce() {
        QStringList faults;
        for (const Language& l : Languages()) {
            LanguageScope scope(l.code);
            QVERIFY2(scope.loaded(), l.code);
            TestMainWindow window;
            QStringList titles;
            for (QAction* a : window.frame->menuBar()->actions()) {
                titles << a->text();
                if (a->menu()) CheckMenu(l.code, a->menu(), faults);
            }
            CheckMnemonics(QString(l.code) + " menu bar", titles, faults);
            faults << scope.Missing();
        }
        ExpectNoFaults(faults);
    }

    void everyWindowShowsWholeTextsAndGivesEachLetterOnce() {
        QStringList faults;
        for (const Language& l : Languages()) {
            LanguageScope scope(l.code);
            dpmr::RadioImage image = dpmr::BuildSampleCodeplug();
            for (const dpmr::form::DialogDecl* decl : dpmr::form::AllDialogs()) {
                if (decl == &dpmr::ChannelEditDialogDecl()) continue;  // with the others below
                std::unique_ptr<CTabDialog> dialog = OpenDialog(*decl, image);
                CheckWindow(l.code, QString::fromStdString(decl->caption), dialog.get(), faults);
            }
            OtherWindows other(/*withChannelDialog=*/true);
            for (auto& [caption, window] : other.windows)
                CheckWindow(l.code, caption, window.get(), faults);
            faults << scope.Missing();
        }
        ExpectNoFaults(faults);
    }

    void startUsesTheChoiceElseTheDesktopsLanguage() {
        struct Case {
            const char* setting;
            QStringList desktop;
            const char* language;
        };
        const Case cases[] = {
            {"", {"de-DE", "en-US"}, "de"},
            {"", {"pt-BR", "fr-FR"}, "fr"},  // the first the program has
            {"", {"de_AT"}, "de"},
            {"", {"NL"}, "nl"},
            {"", {"pt-BR"}, "en"},
            {"", {}, "en"},
            {"fr", {"de-DE"}, "fr"},  // the choice wins
            {"en", {"pl-PL"}, "en"},
            {"xx", {"it-IT"}, "it"},     // an odd setting follows the desktop
            {"de-DE", {"es-ES"}, "es"},  // only the program's own codes are a choice
        };
        for (const Case& c : cases)
            QCOMPARE(StartLanguage(c.setting, c.desktop), QString(c.language));
        QVERIFY(UnknownLanguageSetting("xx"));
        QVERIFY(!UnknownLanguageSetting(""));
        QVERIFY(!UnknownLanguageSetting("pl"));
    }

    void languageMenuKeepsTheChoiceForTheNextStart() {
        TestMainWindow window;
        auto* menu = window.frame->findChild<CLanguageMenu*>("menuLanguage");
        QVERIFY(menu);
        // Each language is offered by its own name, the desktop's first and ticked.
        QStringList names;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) names << a->text();
        QCOMPARE(names.size(), static_cast<qsizetype>(Languages().size()) + 1);
        QVERIFY(names.contains("Français"));
        QVERIFY(menu->findChild<QAction*>("language.desktop")->isChecked());

        const auto told = ClickOnNextMessageBox(QMessageBox::Ok);
        menu->findChild<QAction*>("language.fr")->trigger();
        QVERIFY(told->seen);  // "The language changes the next time dpmrcps starts."
        QCOMPARE(dpmr::LoadAppSettings(window.dir.path()).language, std::string("fr"));
        menu->findChild<QAction*>("language.desktop")->trigger();
        QCOMPARE(dpmr::LoadAppSettings(window.dir.path()).language, std::string());
        QVERIFY(menu->findChild<QAction*>("language.desktop")->isChecked());
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"

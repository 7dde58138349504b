// Everyone can use the dialogs, offscreen through Qt's accessibility layer:
// every dialog of the program (each settings dialog as its declaration makes
// it, every page shown in turn, and the channel dialog) and the main window
// are walked through QAccessible, and no control that takes the focus may
// lack a name; each field's control carries its label as name and its help
// as description, tooltip and What's This. The grids announce the row and
// column of a cell, and an open in-place editor says which cell it edits.
// The colours the window adds stay readable on a light and a dark palette.
#include <cmath>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "OtherWindows.h"
#include "TestMainWindow.h"
#include "channels/CChannelEditDlg.h"
#include "channels/ChannelColumns.h"
#include "channels/ChannelEditDialog.h"
#include "dialogs/DialogRegistry.h"
#include "dialogs/SharedByteDialogs.h"
#include "dpmr/ContactPagePresenter.h"
#include "form/FormBinder.h"
#include "link/SampleCodeplug.h"
#include "support/DemoCodeplug.h"
#include "widgets/Emphasis.h"

using namespace dpmr::test;

namespace {

// Where a control is, for the failure message.
QString PathOf(const QObject* object) {
    QString path;
    for (; object; object = object->parent())
        path = object->metaObject()->className() + QString("#") + object->objectName() + "/" + path;
    return path;
}

// What a screen reader says a control is: the text of the label that names
// it (a list box's own name is its current entry, and AT-SPI takes its label
// from this relation), else its name.
QString SpokenName(QAccessibleInterface* iface) {
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        if (!label->text(QAccessible::Name).trimmed().isEmpty())
            return label->text(QAccessible::Name);
    if (iface->role() == QAccessible::ComboBox) return {};
    return iface->text(QAccessible::Name).trimmed();
}

// The visible controls that take the focus and have no accessible name,
// below `iface`.
void FindUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0) {
    if (!iface || depth > 40) return;
    const QAccessible::State state = iface->state();
    if (state.invisible) return;
    QObject* object = iface->object();
    if (object && object->isWidgetType() && state.focusable && SpokenName(iface).isEmpty())
        unnamed << PathOf(object) + " (role " + QString::number(iface->role()) + ")";
    // A grid's cells are checked through its table interface.
    if (iface->tableInterface()) return;
    for (int i = 0; i < iface->childCount(); ++i) FindUnnamed(iface->child(i), unnamed, depth + 1);
}

QStringList UnnamedIn(QWidget* window) {
    QStringList unnamed;
    FindUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

// Each field's control says its label and its help to a screen reader, and
// shows the help as tooltip and What's This.
void ExpectDescribed(CFormPage* page) {
    const dpmr::form::FieldPage& fields = page->Page();
    for (std::size_t i = 0; i < fields.FieldCount(); ++i) {
        const dpmr::form::FieldDecl& f = fields.Field(i);
        QWidget* control = page->Control(f.key);
        const QString where = QString::fromStdString(fields.Key() + "." + f.key);
        QVERIFY2(control, qPrintable(where));
        const QString help = QString::fromStdString(f.help);
        QCOMPARE(control->toolTip(), help);
        QCOMPARE(control->whatsThis(), help);
        QCOMPARE(control->accessibleName(), AccessibleLabel(f));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(iface, qPrintable(where));
        QCOMPARE(iface->text(QAccessible::Description), help);
        // What is spoken is the label beside the control (the check box's own text).
        if (control->isVisibleTo(page))
            QVERIFY2(SpokenName(iface).endsWith(QString::fromStdString(f.label)),
                     qPrintable(where + ": " + SpokenName(iface)));
    }
}

// A cell of a grid announces its column's title and its row's.
void ExpectCellHeaders(FlexGrid* grid, int row, int col, const QString& column,
                       const QString& rowTitle) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(iface && iface->tableInterface());
    QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    QAccessibleInterface* cell = iface->tableInterface()->cellAt(row - 1, col - 1);
    QVERIFY(cell && cell->tableCellInterface());
    const QList<QAccessibleInterface*> columns = cell->tableCellInterface()->columnHeaderCells();
    const QList<QAccessibleInterface*> rows = cell->tableCellInterface()->rowHeaderCells();
    QCOMPARE(columns.size(), 1);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(columns[0]->text(QAccessible::Name), column);
    QCOMPARE(rows[0]->text(QAccessible::Name), rowTitle);
    // Qt makes the header cells anew on each call and keeps them nowhere.
    for (QAccessibleInterface* header : columns + rows)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    QCOMPARE(cell->tableCellInterface()->rowIndex(), row - 1);
    QCOMPARE(cell->tableCellInterface()->columnIndex(), col - 1);
}

// The widgets of a page that Tab visits, in the order it visits them.
QWidgetList TabChain(QWidget* page) {
    QWidgetList chain;
    QWidget* w = page;
    do {
        w = w->nextInFocusChain();
        if (page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && !chain.contains(w))
            chain << w;
    } while (w != page);
    return chain;
}

// WCAG's contrast ratio of two colours: 4.5 is enough for body text.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double x = luminance(a) + 0.05, y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    return dark;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    dpmr::RadioImage image_ = DemoImage();

  private slots:
    // The walk itself finds a control without a name, and takes a label's.
    void walkFindsAnUnnamedControl() {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* named = new QLineEdit(&dialog);
        auto* label = new QLabel("Name", &dialog);
        label->setBuddy(named);
        layout->addWidget(label);
        layout->addWidget(named);
        layout->addWidget(new QComboBox(&dialog));
        ShowActive(&dialog);
        const QStringList unnamed = UnnamedIn(&dialog);
        QCOMPARE(unnamed.size(), 1);
        QVERIFY2(unnamed[0].contains("QComboBox"), qPrintable(unnamed[0]));
    }

    // The windows that are not built from a declaration: the channel plans,
    // the fleet, the port, a Read.
    void theOtherWindowsNameEveryControl() {
        OtherWindows other;
        QStringList missing;
        for (auto& [caption, window] : other.windows) {
            ShowActive(window.get());
            for (const QString& unnamed : UnnamedIn(window.get()))
                missing << caption + ": " + unnamed;
            window->close();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join("\n")));
    }

    void everyDialogNamesEveryControl() {
        for (const dpmr::form::DialogDecl* decl : dpmr::form::AllDialogs()) {
            if (decl == &dpmr::ChannelEditDialogDecl()) continue;  // below, as the table opens it
            const QString caption = QString::fromStdString(decl->caption);
            std::unique_ptr<CTabDialog> dialog = OpenDialog(*decl, image_);
            ShowActive(dialog.get());
            for (int p = 0; p < dialog->PageCount(); ++p) {
                if (dialog->Tabs()) dialog->Tabs()->setCurrentIndex(p);
                QApplication::processEvents();
                const QStringList unnamed = UnnamedIn(dialog.get());
                QVERIFY2(unnamed.isEmpty(), qPrintable(caption + ": " + unnamed.join(", ")));
                if (auto* page = qobject_cast<CFormPage*>(dialog->PageWidget(p))) {
                    ExpectDescribed(page);
                    if (QTest::currentTestFailed()) return;
                }
            }
            dialog->close();
        }
    }

    void channelDialogNamesEveryControlInTabOrder() {
        CChannelEditDlg dialog(image_, dpmr::BandLimits{}, 1, "446.006250");
        ShowActive(&dialog);
        const QStringList unnamed = UnnamedIn(&dialog);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        const auto& record = dpmr::ChannelRecordDecl().fields;
        for (std::size_t i = 0; i < dpmr::kEditControlCount; ++i) {
            QWidget* control = dialog.Control(static_cast<dpmr::EditControl>(i));
            QCOMPARE(control->accessibleDescription(), QString::fromStdString(record[i].help));
            QVERIFY(control->accessibleName().endsWith(QString::fromStdString(record[i].label)));
        }
        // Tab goes down the left column, then the right one.
        const QWidgetList chain = TabChain(&dialog);
        const int rx = static_cast<int>(chain.indexOf(dialog.Control(dpmr::EditControl::kRxFreq)));
        const int tx = static_cast<int>(chain.indexOf(dialog.Control(dpmr::EditControl::kTxFreq)));
        const int colour =
            static_cast<int>(chain.indexOf(dialog.Control(dpmr::EditControl::kTxColourCode)));
        const int contact =
            static_cast<int>(chain.indexOf(dialog.Control(dpmr::EditControl::kTxContact)));
        QVERIFY(rx >= 0 && rx < tx && tx < colour && colour < contact);
        dialog.close();
    }

    // Tab visits a generic page's controls in the order the page lists them.
    void tabFollowsTheDeclaredOrder() {
        for (const dpmr::form::DialogDecl* decl : dpmr::form::AllDialogs()) {
            if (decl == &dpmr::ChannelEditDialogDecl()) continue;
            std::unique_ptr<CTabDialog> dialog = OpenDialog(*decl, image_);
            ShowActive(dialog.get());
            for (int p = 0; p < dialog->PageCount(); ++p) {
                if (dialog->Tabs()) dialog->Tabs()->setCurrentIndex(p);
                auto* page = qobject_cast<CFormPage*>(dialog->PageWidget(p));
                if (!page) continue;
                const QWidgetList chain = TabChain(page);
                int last = -1;
                for (std::size_t i = 0; i < page->Page().FieldCount(); ++i) {
                    QWidget* control = page->Control(page->Page().Field(i).key);
                    if (!control->isVisibleTo(page) || !control->isEnabled()) continue;
                    const int at = static_cast<int>(chain.indexOf(control));
                    QVERIFY2(at > last, qPrintable(control->objectName()));
                    last = at;
                }
            }
            dialog->close();
        }
    }

    void mainWindowNamesEveryControlAndItsGridAnnouncesCells() {
        TestMainWindow w;
        ShowActive(w.frame.get());
        const QStringList unnamed = UnnamedIn(w.frame.get());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        FlexGrid* grid = w.frame->findChild<FlexGrid*>();
        QVERIFY(grid);
        ExpectCellHeaders(grid, 3, 2, "Tx Freq", "3");
        // The column's title shows what its field's help says.
        const QString rxHelp = QString::fromStdString(dpmr::ChannelColumnHelp(1));
        QCOMPARE(grid->horizontalHeaderItem(0)->toolTip(), rxHelp);
        QCOMPARE(grid->horizontalHeaderItem(0)->data(Qt::WhatsThisRole).toString(), rxHelp);
        // The editor opened on a cell names the cell.
        ClickCell(grid, 2, 1);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid);
        QCOMPARE(editor->accessibleName(), QString("Rx Freq, row 2"));
        QCOMPARE(editor->accessibleDescription(), rxHelp);
    }

    void contactGridAnnouncesCells() {
        std::unique_ptr<CTabDialog> dialog = OpenDialog(dpmr::DpmrParamDialogDecl(), image_);
        ShowActive(dialog.get());
        dialog->Tabs()->setCurrentIndex(1);
        auto* grid = dialog->PageWidget(1)->findChild<FlexGrid*>();
        QVERIFY(grid);
        ExpectCellHeaders(grid, 1, 2, "Number", "1");
        QCOMPARE(grid->horizontalHeaderItem(1)->toolTip(),
                 QString(dpmr::ContactPagePresenter::ColumnHelp()[2]));
    }

    // A marked channel cell and a failed transfer's result line stay readable
    // on the desktop's light palette and on a dark one.
    void markedCellsAndFailuresReadOnLightAndDarkPalettes() {
        const QPalette original = QApplication::palette();
        for (const QPalette& palette : {original, DarkPalette()}) {
            QApplication::setPalette(palette);
            TestMainWindow w;
            ShowActive(w.frame.get());
            FlexGrid* grid = w.frame->findChild<FlexGrid*>();
            QVERIFY(grid);
            grid->SetCellMark(2, 1, "out of the band");
            const QTableWidgetItem* cell = grid->item(1, 0);
            const QColor back = cell->data(Qt::BackgroundRole).value<QColor>();
            const QVariant fore = cell->data(Qt::ForegroundRole);
            const QColor text =
                fore.isValid() ? fore.value<QColor>() : palette.color(QPalette::Text);
            QVERIFY2(Contrast(back, text) >= 4.5, qPrintable(text.name() + " on " + back.name()));
            grid->SetCellMark(2, 1, "");
            QVERIFY(!cell->data(Qt::BackgroundRole).isValid());
            QVERIFY(!cell->data(Qt::ForegroundRole).isValid());
            const QColor failure = emphasis::FailureText(palette);
            QVERIFY2(Contrast(failure, palette.color(QPalette::Window)) >= 4.5,
                     qPrintable(failure.name()));
        }
        QApplication::setPalette(original);
    }

    // Hovering OACSU shows what it does; so does Shift+F1 on it.
    void shiftF1TellsWhatOacsuDoes() {
        std::unique_ptr<CTabDialog> dialog = OpenDialog(dpmr::DpmrParamDialogDecl(), image_);
        ShowActive(dialog.get());
        QWidget* oacsu = Control(*dialog, 0, "oacsu");
        QVERIFY(oacsu->toolTip().startsWith("Off Air Call Set-Up"));
        oacsu->setFocus();
        QTest::keyClick(oacsu, Qt::Key_F1, Qt::ShiftModifier);
        const auto shown = [] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && QString(top->metaObject()->className()) == "QWhatsThat")
                    return true;
            return false;
        };
        QTRY_VERIFY(shown());
        QWhatsThis::hideText();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"

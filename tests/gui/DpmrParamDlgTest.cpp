// The "dPMR param" dialog driven as a user drives it, offscreen: the Basic
// page says which bytes the Alarm dialog shares; the contact grid edits in
// place with the mouse and the keyboard and refuses duplicates; the Delete
// key does what the enabled Delete button does; the group lists move
// contacts with several selected; tab changes and closing store.
#include <QListWidget>
#include <QTreeWidget>

#include "TestMainWindow.h"
#include "dialogs/SharedByteDialogs.h"
#include "dpmr/CContactPage.h"
#include "dpmr/CGroupRxListPage.h"
#include "dpmr/ContactRecord.h"
#include "support/ContactImages.h"

using namespace dpmr::test;

namespace {

QString Column(FlexGrid* grid, int col) {
    QStringList texts;
    for (int r = 1; r < grid->Rows(); ++r) texts << grid->TextMatrix(r, col);
    return texts.join(",");
}

// Selects all of the editor's text and types `text` over it.
void Retype(QWidget* edit, const char* text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

}  // namespace

class DpmrParamDlgTest : public QObject {
    Q_OBJECT

    dpmr::RadioImage image_;
    std::unique_ptr<CTabDialog> dialog_;

    // The dialog open on the image, showing page `tab`.
    template <class Page>
    Page* Open(int tab) {
        dialog_ = OpenDialog(dpmr::DpmrParamDialogDecl(), image_);
        ShowActive(dialog_.get());
        dialog_->Tabs()->setCurrentIndex(tab);
        return static_cast<Page*>(dialog_->PageWidget(tab));
    }

  private slots:
    void init() {
        image_ = dpmr::RadioImage();
        PutContacts(image_, {{1, "Ann", "1"}, {2, "Bob", "2"}, {3, "Cy", "3", false}});
    }
    void cleanup() { dialog_.reset(); }

    void basicPageTellsOfTheAlarmDialog() {
        auto* page = Open<CFormPage>(0);
        QStringList tabs;
        for (int i = 0; i < dialog_->Tabs()->count(); ++i) tabs << dialog_->Tabs()->tabText(i);
        QCOMPARE(tabs, QStringList({"Basic", "Contact", "Group rx list"}));
        auto* id = static_cast<QLineEdit*>(page->Control("radio_id"));
        QCOMPARE(id->text(), QString("0000001"));  // erased: the replacement
        for (const char* key : {"oacsu", "data_type", "ack_reply_delay", "ack_reply_wait"})
            QVERIFY2(page->Control(key)->toolTip().contains("Alarm dialog"), key);
        QVERIFY(!page->Control("group_code")->isVisible());
        QVERIFY(!page->Control("ack_reply_times")->isVisible());
    }

    void gridEditsInPlaceWithMouseAndKeyboard() {
        auto* page = Open<CContactPage>(1);
        FlexGrid* grid = page->Grid();
        QLineEdit* edit = page->TextEditor();
        QCOMPARE(Column(grid, 1), QString("Ann,Bob,Cy"));
        QStringList titles;
        for (int c = 0; c < grid->Cols(); ++c) titles << grid->TextMatrix(0, c);
        QCOMPARE(titles, QStringList({"No.", "Name", "Number", "Type"}));

        ClickCell(grid, 2, 1);  // a click opens the editor over the cell
        QVERIFY(edit->isVisible() && edit->hasFocus());
        QCOMPARE(edit->geometry(), grid->CellRect(2, 1));
        Retype(edit, "Ann");
        QTest::keyClick(edit, Qt::Key_Return);  // a duplicate: refused
        QVERIFY(!edit->isVisible() && grid->hasFocus());
        QCOMPARE(grid->TextMatrix(2, 1), QString("Bob"));

        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_F2);
        Retype(edit, "1a2*34567890");  // only digits and "*", at most 7
        QCOMPARE(edit->text(), QString("12*3456"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(grid->TextMatrix(2, 2), QString("2"));
        QTest::keyClick(grid, Qt::Key_Enter);
        Retype(edit, "12");
        page->AddButton()->setFocus();  // leaving the editor ends the edit
        QCOMPARE(grid->TextMatrix(2, 2), QString("0000012"));

        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Return);
        QComboBox* type = page->TypeEditor();
        QVERIFY(type->isVisible() && type->hasFocus());
        type->setCurrentIndex(0);
        QTest::keyClick(type, Qt::Key_Return);
        QCOMPARE(grid->TextMatrix(2, 3), QString("Single call"));

        // Enter moved on to the next row's name. A character typed on a cell
        // opens its editor with it; Enter commits and moves to the next cell;
        // a character the cell does not take opens nothing.
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(1, 3));
        QVERIFY(grid->hasFocus());
        QTest::keyClicks(grid, "D");
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->text(), QString("D"));
        QTest::keyClicks(edit, "an");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(grid->TextMatrix(3, 1), QString("Dan"));
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(2, 3));
        QTest::keyClicks(grid, "x");
        QVERIFY(!edit->isVisible());

        // A name typed and still in its editor goes with the tab change.
        ClickCell(grid, 3, 1);
        Retype(edit, "Al");
        dialog_->Tabs()->setCurrentIndex(2);
        QCOMPARE(dpmr::contact::Name(image_, ContactSlot(3)), std::string("Al"));
        QCOMPARE(dpmr::contact::Number(image_, ContactSlot(2)), std::string("0000012"));
        QVERIFY(!dpmr::contact::IsGroupCall(image_, ContactSlot(2)));
    }

    // A number another contact has is refused with whose it is; the focus
    // stays on the cell edited, and the next edit clears the words.
    void duplicateNumberSaysWhoseItIs() {
        auto* page = Open<CContactPage>(1);
        FlexGrid* grid = page->Grid();
        QLineEdit* edit = page->TextEditor();
        QCOMPARE(grid->TextMatrix(0, 0), QString("No."));
        for (bool byEnter : {true, false}) {
            ClickCell(grid, 3, 2);
            Retype(edit, "0000001");
            if (byEnter)
                QTest::keyClick(edit, Qt::Key_Return);
            else
                QTest::keyClick(edit, Qt::Key_Tab);  // leaving the editor
            QCOMPARE(page->Notice()->text(), QString("0000001 is already Ann's"));
            QCOMPARE(grid->TextMatrix(3, 2), QString("3"));
            QVERIFY(!edit->isVisible());
            QCOMPARE(grid->Row(), 3);
            QCOMPARE(grid->Col(), 2);
        }
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
        QVERIFY(page->Notice()->text().isEmpty());
    }

    // Add appends, Insert goes before the current row, and the focus stays
    // with its contact; Delete (key or button) frees the record at once but
    // never the last contact.
    void deleteKeyActsOnlyWhileTheButtonIsEnabled() {
        auto* page = Open<CContactPage>(1);
        FlexGrid* grid = page->Grid();
        grid->SetCurrentCell(2, 1);
        page->AddButton()->click();
        QVERIFY(grid->hasFocus() && grid->Row() == 2);
        QTest::keyClick(grid, Qt::Key_Delete);  // Bob's, not the new contact
        QCOMPARE(Column(grid, 1), QString("Ann,Cy,Name 1"));
        grid->SetCurrentCell(1, 1);
        page->InsertButton()->click();
        QCOMPARE(Column(grid, 1), QString("Name 2,Ann,Cy,Name 1"));
        QCOMPARE(grid->Row(), 2);  // still Ann
        page->AddButton()->click();
        for (int k = 0; k < 6; ++k) QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(Column(grid, 1), QString("Name 2"));  // the last contact stays
        QVERIFY(!page->DeleteButton()->isEnabled());
        QCOMPARE(image_.U8(ContactSlot(1)), 0xFF);  // Ann's record freed at once
        dialog_->close();
        QCOMPARE(image_.U16Le(dpmr::layout::kContactIndex + 2), 0xFFFF);
    }

    void groupListsMoveSeveralContactsAndStoreOnTreeChangeAndClose() {
        PutGroupList(image_, 2, {2});
        auto* page = Open<CGroupRxListPage>(2);
        QCOMPARE(page->Tree()->topLevelItemCount(), 16);
        QCOMPARE(page->UnallocatedBox()->count(), 2);  // Cy is a single call
        page->UnallocatedBox()->selectAll();
        QTest::mouseClick(page->AddButton(), Qt::LeftButton);
        QCOMPARE(page->AllocatedBox()->selectedItems().size(), 2);
        QVERIFY(!page->UpButton()->isEnabled() && !page->AddButton()->isEnabled());
        page->AllocatedBox()->item(0)->setSelected(false);
        QTest::mouseClick(page->UpButton(), Qt::LeftButton);
        QCOMPARE(page->AllocatedBox()->item(0)->text(), QString("Bob"));

        page->Tree()->setCurrentItem(page->Tree()->topLevelItem(1));
        QCOMPARE(GroupListBytes(image_, 1, 3), (std::vector<int>{2, 1, 0xFF}));
        QCOMPARE(page->AllocatedBox()->item(0)->text(), QString("Bob"));
        QTest::mouseClick(page->DelButton(), Qt::LeftButton);
        dialog_->close();
        QCOMPARE(GroupListBytes(image_, 2, 1), (std::vector<int>{0xFF}));
    }
};

QTEST_MAIN(DpmrParamDlgTest)
#include "DpmrParamDlgTest.moc"

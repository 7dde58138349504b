// CDocumentController: opening, replacing, saving and editing the document.
#include "app/CDocumentController.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include "channels/CChannelClipboard.h"
#include "channels/CChannelCsvCommands.h"
#include "channels/CChannelEditDlg.h"
#include "channels/CFillChannelsDlg.h"
#include "channels/CProgramView.h"
#include "channels/DigitalFieldSpread.h"
#include "channels/ReportBox.h"
#include "document/NewDocument.h"
#include "dpmr/ContactChecks.h"
#include "form/DialogLauncher.h"
#include "form/QtText.h"
#include "image/Document.h"
#include "interchange/CodeplugYaml.h"
#include "util/FileIo.h"
#include "widgets/FileChoice.h"
#include "widgets/FlexGrid.h"

namespace {

constexpr const char* kDatFilter = "*.dat (*.dat);;All Files (*)";
constexpr const char* kCodeplugFilter = "Codeplug (*.yaml *.yml);;All Files (*)";

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// A file's last change as the user reads it: "2026-12-08 09:40:12".
QString TimeText(const dpmr::FileStamp& stamp) {
    return QDateTime::fromMSecsSinceEpoch(stamp.mtimeNs / 1000000).toString("yyyy-MM-dd HH:mm:ss");
}

// The temporary files a killed save had left beside `path`, removed now.
// What the file holds is whole: the rename is the last step of a save, so
// it holds what it held before that save, or all of it.
QString StaleTemporariesNote(const QString& path, bool atOpen) {
    const std::vector<std::string> removed = dpmr::RemoveStaleTemporaries(path.toStdString());
    if (removed.empty()) return {};
    const QString name = FileName(path);
    QString note =
        QString(
            " An earlier save of %1 did not finish; the temporary file it left "
            "(%2) was removed.")
            .arg(name, ToQt(removed.front()) +
                           (removed.size() > 1 ? QString(" and %1 more").arg(removed.size() - 1)
                                               : QString()));
    if (atOpen)
        note += QString(" %1 itself is whole, as last saved on %2.")
                    .arg(name, TimeText(dpmr::FileStamp::OfFile(path.toStdString())));
    return note;
}

constexpr const char* kReadTitle = "Untitled (read from the radio)";

}  // namespace

CDocumentController::CDocumentController(AppContext& context, CProgramView& view, QWidget* window)
    : QObject(window),
      context_(context),
      view_(view),
      window_(window),
      recent_(std::make_unique<dpmr::RecentFiles>(dpmr::RecentFilesPath())),
      printer_(std::make_unique<QPrinter>()) {
    const ImageEditorRunner runEditor = [this](const std::function<void()>& edit,
                                               const QString& name) { RunImageEditor(edit, name); };
    csvCommands_ = new CChannelCsvCommands(context_.image, view_, runEditor, window_);
    csvCommands_->SetDocumentPath([this] { return ToQt(session_.path()); });
    clipboard_ = new CChannelClipboard(context_.image, view_, runEditor, this);
    const auto notice = [this](const QString& text) { emit StatusMessage(text, 4000); };
    connect(csvCommands_, &CChannelCsvCommands::Notice, this, notice);
    connect(clipboard_, &CChannelClipboard::Notice, this, notice);
    // The table changed what it shows: the modified mark is worked out anew
    // when next asked (every change of the table ends in a step, which asks).
    connect(&view_, &CProgramView::TableChanged, this, &CDocumentController::MarkStale);
    connect(&view_, &CProgramView::Edited, this, &CDocumentController::RecordStep);
    connect(&view_, &CProgramView::ChannelEditRequested, this, &CDocumentController::ChannelEdit);
}

CDocumentController::~CDocumentController() = default;

void CDocumentController::SetFileChooser(FileChooser chooser) {
    chooseFile_ = std::move(chooser);
    csvCommands_->SetFileChooser(chooseFile_);
}

// ---- The document's state ---------------------------------------------------

void CDocumentController::MarkStale() {
    stale_ = true;
}

const dpmr::RadioImage& CDocumentController::WouldWrite() {
    if (stale_) {
        wouldWrite_ = context_.image;
        view_.StoreGridInto(wouldWrite_);
        stale_ = false;
    }
    return wouldWrite_;
}

bool CDocumentController::IsModified() {
    // Asked before anything is thrown away: worked out afresh.
    MarkStale();
    return ShowsModified();
}

bool CDocumentController::ShowsModified() {
    return session_.IsModified(WouldWrite());
}

QString CDocumentController::DisplayName() const {
    return ToQt(session_.DisplayName());
}

void CDocumentController::RecordStep(const QString& name) {
    MarkStale();
    history_.Record(name.toStdString(), WouldWrite());
    emit DocumentChanged();
}

void CDocumentController::ReplaceDocument(const dpmr::RadioImage& image, DocumentOrigin origin,
                                          const QString& path, const dpmr::FileStamp& disk) {
    if (&image != &context_.image) context_.image = image;
    // The image was replaced underneath the table: rebuild it, then look the
    // contacts over. A Read checks the references first, as the radio sent
    // them; a file has its names repaired first.
    view_.SelectBandFromImage();
    if (origin == DocumentOrigin::kRadio) {
        dpmr::CheckContactReferences(context_.image);
        dpmr::RepairContactNames(context_.image);
    } else {
        dpmr::RepairContactNames(context_.image);
        dpmr::CheckContactReferences(context_.image);
    }
    view_.grid()->setFocus();
    MarkStale();
    switch (origin) {
        case DocumentOrigin::kRadio:
            // What a radio holds is a document of its own: Save asks for a
            // name, so that the file open before is never replaced by it.
            session_.ResetUnsaved(WouldWrite(), kReadTitle);
            RecordStep("Read");
            return;
        case DocumentOrigin::kReload:
            session_.Reset(session_.path(), WouldWrite(), disk);
            RecordStep("Reload");
            return;
        case DocumentOrigin::kFile:
            session_.Reset(QFileInfo(path).absoluteFilePath().toStdString(), WouldWrite(), disk);
            break;
        case DocumentOrigin::kNew:
        case DocumentOrigin::kBackup:
            session_.Reset({}, WouldWrite());
            break;
        case DocumentOrigin::kImport:
            session_.ResetUnsaved(WouldWrite());
            break;
    }
    history_.Reset(WouldWrite());
    emit DocumentChanged();
}

// ---- New, Open, Save --------------------------------------------------------

void CDocumentController::NewDocument() {
    dpmr::NewImage(context_.image, context_.settings.programFolder, context_.band);
    ReplaceDocument(context_.image, DocumentOrigin::kNew);
}

void CDocumentController::New() {
    if (!MaybeSave()) return;
    NewDocument();
}

bool CDocumentController::ReadImageFile(const QString& path, dpmr::RadioImage& image,
                                        dpmr::FileStamp* stamp) {
    // A file that is no radio file (too short, far too long) or cannot be
    // read at all (missing, no access, a folder) leaves the open document,
    // its file, its unsaved changes and its undo history as they were,
    // whatever the unsaved-changes question was answered.
    if (dpmr::Status s = dpmr::LoadImageFile(path.toStdString(), image, stamp); !s) {
        ShowMessage(ToQt(s.message()));
        return false;
    }
    return true;
}

void CDocumentController::SayWhatWasNotLoaded(const QString& path, const dpmr::FileStamp& stamp) {
    if (stamp.size > dpmr::RadioImage::kSize)
        ShowMessage(ToQt(dpmr::LongerThanImageNote(path.toStdString(), stamp.size)));
}

bool CDocumentController::OpenDocument(const QString& path) {
    dpmr::RadioImage image = context_.image;
    dpmr::FileStamp stamp;
    if (!ReadImageFile(path, image, &stamp)) return false;
    ReplaceDocument(image, DocumentOrigin::kFile, path, stamp);
    RememberFile(path);
    const QString stale = StaleTemporariesNote(path, /*atOpen=*/true);
    emit StatusMessage(
        QString("Opened %1").arg(FileName(path)) + (stale.isEmpty() ? "" : "." + stale),
        stale.isEmpty() ? 4000 : 30000);
    SayWhatWasNotLoaded(path, stamp);
    return true;
}

void CDocumentController::Open() {
    if (!MaybeSave()) return;
    const QString path = ChooseFile(false, {});
    if (!path.isEmpty()) OpenDocument(path);
}

void CDocumentController::OpenBackup() {
    if (!MaybeSave()) return;
    // Made when missing, so that the file dialog opens there even before the
    // first backup.
    const QString folder = ToQt(context_.backupFolder);
    if (!folder.isEmpty()) QDir().mkpath(folder);
    const QString path = ChooseFile(false, folder);
    dpmr::RadioImage image = context_.image;
    if (path.isEmpty() || !ReadImageFile(path, image, nullptr)) return;
    // A backup opens as a new document: Save asks for a name, so that an
    // edit never replaces the copy kept (nor goes where old copies are
    // deleted).
    ReplaceDocument(image, DocumentOrigin::kBackup);
    emit StatusMessage(
        QString("Opened the backup %1; Save asks for a new name").arg(FileName(path)), 10000);
}

void CDocumentController::OpenRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        recent_->Remove(path.toStdString());
        emit DocumentChanged();
        ShowMessage(
            QString("%1 no longer exists; it was removed from the recent files.").arg(path));
        return;
    }
    if (!MaybeSave()) return;
    OpenDocument(path);
}

void CDocumentController::OpenDroppedFile(const QString& path) {
    if (!MaybeSave()) return;
    if (QFileInfo(path).suffix().toLower() == "dat")
        OpenDocument(path);
    else
        ImportCodeplugFile(path);
}

void CDocumentController::RememberFile(const QString& path) {
    recent_->Add(QFileInfo(path).absoluteFilePath().toStdString());
    emit DocumentChanged();
}

bool CDocumentController::SaveTo(const QString& path) {
    view_.StoreGridToImage();
    const QString stale = StaleTemporariesNote(path, /*atOpen=*/false);
    dpmr::FileStamp stamp;
    if (dpmr::Status s = dpmr::SaveImageFile(path.toStdString(), context_.image, &stamp); !s) {
        ShowMessage(ToQt(s.message()));
        return false;
    }
    session_.Reset(QFileInfo(path).absoluteFilePath().toStdString(), context_.image, stamp);
    MarkStale();
    RememberFile(path);
    emit StatusMessage(
        QString("Saved %1").arg(FileName(path)) + (stale.isEmpty() ? "" : "." + stale),
        stale.isEmpty() ? 4000 : 30000);
    return true;
}

CDocumentController::ReplaceAnswer CDocumentController::AskBeforeReplacing() {
    const dpmr::FileStamp now = dpmr::FileStamp::OfFile(session_.path());
    QString question, why;
    if (session_.ChangedOnDisk(now)) {
        question = QString("Replace the changes made to %1 elsewhere?").arg(DisplayName());
        why = QString(
                  "%1 was changed on disk on %2, by another program or window, since it was "
                  "opened or saved here. Saving replaces those changes with this document.")
                  .arg(DisplayName(), TimeText(now));
    } else if (now.exists && now.size > dpmr::RadioImage::kSize) {
        question = QString("Replace all of %1?").arg(DisplayName());
        why = QString(
                  "%1 holds %2 bytes, more than a radio image. Saving replaces it with the "
                  "%3 bytes of this document, and the rest is lost.")
                  .arg(DisplayName())
                  .arg(now.size)
                  .arg(dpmr::RadioImage::kSize);
    } else {
        return ReplaceAnswer::kReplace;
    }
    QMessageBox box(QMessageBox::Warning, ToQt(context_.settings.Caption()), question,
                    QMessageBox::Save | QMessageBox::Cancel, window_);
    box.setObjectName("replaceFileBox");
    box.setInformativeText(why);
    box.button(QMessageBox::Save)->setText("&Replace");
    QPushButton* saveAs = box.addButton("Save &As...", QMessageBox::AcceptRole);
    saveAs->setObjectName("saveAsButton");
    box.setDefaultButton(saveAs);
    box.exec();
    if (box.clickedButton() == saveAs) return ReplaceAnswer::kSaveAs;
    return box.clickedButton() == box.button(QMessageBox::Save) ? ReplaceAnswer::kReplace
                                                                : ReplaceAnswer::kCancel;
}

bool CDocumentController::SaveDocument() {
    if (session_.path().empty()) return SaveDocumentAs();
    switch (AskBeforeReplacing()) {
        case ReplaceAnswer::kReplace:
            return SaveTo(ToQt(session_.path()));
        case ReplaceAnswer::kSaveAs:
            return SaveDocumentAs();
        case ReplaceAnswer::kCancel:
            break;
    }
    return false;
}

bool CDocumentController::SaveDocumentAs() {
    QString suggested = ToQt(session_.path());
    if (suggested.isEmpty()) suggested = "Untitled.dat";
    const QString path = ChooseFile(true, suggested);
    return !path.isEmpty() && SaveTo(path);
}

void CDocumentController::CheckFileOnDisk() {
    if (askingAboutDisk_ || session_.path().empty() || !CanChangeHistoryNow()) return;
    const dpmr::FileStamp now = dpmr::FileStamp::OfFile(session_.path());
    if (!session_.ChangedOnDisk(now)) return;
    // The box takes the focus from the window and gives it back: that
    // activation must not ask again.
    askingAboutDisk_ = true;
    const bool modified = IsModified();
    QMessageBox box(QMessageBox::Warning, ToQt(context_.settings.Caption()),
                    QString("%1 was changed on disk.").arg(DisplayName()),
                    QMessageBox::Yes | QMessageBox::No, window_);
    box.setObjectName("changedOnDiskBox");
    box.setInformativeText(
        QString("Another program or window saved it on %1, after it was opened or saved here%2. "
                "Reload puts the file's content here (Undo brings this document back); Keep "
                "Mine keeps this document, and Save then replaces the file with it.")
            .arg(TimeText(now), modified ? ", and this document has changes of its own" : ""));
    box.button(QMessageBox::Yes)->setText("&Reload");
    box.button(QMessageBox::No)->setText("&Keep Mine");
    box.setDefaultButton(modified ? QMessageBox::No : QMessageBox::Yes);
    const bool reload = box.exec() == QMessageBox::Yes;
    askingAboutDisk_ = false;
    if (reload)
        ReloadFromDisk();
    else
        KeepMine(now);
}

void CDocumentController::KeepMine(const dpmr::FileStamp& now) {
    session_.KeepOverDiskChange(now);
    MarkStale();
    emit DocumentChanged();
}

void CDocumentController::ReloadFromDisk() {
    const QString path = ToQt(session_.path());
    dpmr::RadioImage image = context_.image;
    dpmr::FileStamp stamp;
    // A file that became unreadable, or no radio file, is said; the
    // document stays as it is, as for Keep Mine.
    if (!ReadImageFile(path, image, &stamp)) {
        KeepMine(dpmr::FileStamp::OfFile(path.toStdString()));
        return;
    }
    // A change no step named yet stays within reach of Undo.
    view_.CommitEditor();
    RecordStep("Edit");
    ReplaceDocument(image, DocumentOrigin::kReload, path, stamp);
    emit StatusMessage(QString("Reloaded %1").arg(FileName(path)), 4000);
    SayWhatWasNotLoaded(path, stamp);
}

bool CDocumentController::MaybeSave() {
    if (!IsModified()) return true;
    QMessageBox box(QMessageBox::Warning, ToQt(context_.settings.Caption()), "Save changes?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window_);
    box.setObjectName("saveChangesBox");
    box.setInformativeText(
        QString("The radio data in \"%1\" has been changed.").arg(DisplayName()));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveDocument();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

QString CDocumentController::ChooseFile(bool forSave, const QString& suggested) {
    if (chooseFile_) return chooseFile_(forSave, suggested);
    return ChooseFileInDialog(window_, forSave, {forSave ? "Save As" : "Open", kDatFilter, "dat"},
                              suggested);
}

void CDocumentController::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, ToQt(context_.settings.Caption()), text, QMessageBox::Ok,
                    window_);
    box.exec();
}

// ---- Codeplug files ---------------------------------------------------------

QString CDocumentController::ChooseCodeplugFile(bool forSave) {
    // Beside the document, named after it: radio.dat <-> radio.yaml.
    const QString document = ToQt(session_.path());
    const QString suggested =
        forSave ? SuggestBesideDocument(document, "yaml", "codeplug.yaml")
                : (document.isEmpty() ? QString() : QFileInfo(document).absolutePath());
    if (chooseFile_) return chooseFile_(forSave, suggested);
    return ChooseFileInDialog(window_, forSave,
                              {forSave ? "Export" : "Import", kCodeplugFilter, "yaml"}, suggested);
}

void CDocumentController::ExportCodeplug() {
    const QString path = ChooseCodeplugFile(true);
    if (path.isEmpty()) return;
    view_.StoreGridToImage();
    const std::string text = dpmr::CodeplugToYaml(context_.image);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (dpmr::Status s = dpmr::WriteFileAtomically(path.toStdString(), {bytes, text.size()}); !s) {
        ShowMessage(ToQt(s.message()));
        return;
    }
    emit StatusMessage(QString("Exported %1").arg(FileName(path)), 4000);
}

void CDocumentController::ImportCodeplug() {
    if (!MaybeSave()) return;
    const QString path = ChooseCodeplugFile(false);
    if (!path.isEmpty()) ImportCodeplugFile(path);
}

void CDocumentController::ImportCodeplugFile(const QString& path) {
    std::string text;
    dpmr::RadioImage image;
    std::vector<std::string> corrections;
    dpmr::Status s = dpmr::ReadListFile(path.toStdString(), "codeplug", text);
    if (s) s = dpmr::CodeplugFromYaml(text, context_.settings, image, &corrections);
    if (!s) {
        ShowMessage("Cannot import " + FileName(path) + ":\n" + ToQt(s.message()));
        return;
    }
    // Like Open of a file nobody saved yet: Save asks for a name.
    ReplaceDocument(image, DocumentOrigin::kImport);
    const QString summary = QString("Imported %1").arg(FileName(path));
    emit StatusMessage(summary, 4000);
    // Values stored other than the file has them are said, never silent.
    if (!corrections.empty())
        ShowReport(
            window_, QMessageBox::Information,
            summary + QString(": %1 value(s) stored other than written.").arg(corrections.size()),
            corrections);
}

void CDocumentController::ExportCsv() {
    csvCommands_->OnExportCsv();
}

void CDocumentController::ImportCsv() {
    csvCommands_->OnImportCsv();
}

void CDocumentController::Copy() {
    clipboard_->Copy();
}

void CDocumentController::Paste() {
    clipboard_->Paste();
}

void CDocumentController::ApplyToSelection() {
    view_.ApplyCellToSelection();
}

void CDocumentController::FillChannels() {
    view_.CommitEditor();
    const dpmr::ChannelTablePresenter& table = view_.presenter();
    CFillChannelsDlg dialog(table.Band(), table.SelectedRows(), window_);
    if (dialog.exec() != QDialog::Accepted) return;
    view_.FillChannels(dialog.Request());
    view_.grid()->setFocus();
}

// ---- Printing ---------------------------------------------------------------

void CDocumentController::Print() {
    QPrintDialog dialog(printer_.get(), window_);
    if (dialog.exec() == QDialog::Accepted) view_.PrintTable(printer_.get());
}

void CDocumentController::PrintPreview() {
    QPrintPreviewDialog dialog(printer_.get(), window_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { view_.PrintTable(printer); });
    dialog.resize(window_->width() * 3 / 4, window_->height() * 3 / 4);
    dialog.exec();
}

void CDocumentController::PrintSetup() {
    QPageSetupDialog dialog(printer_.get(), window_);
    dialog.exec();
}

// ---- Undo and Redo ----------------------------------------------------------

bool CDocumentController::CanChangeHistoryNow() const {
    return !context_.transfer.busy && !QApplication::activeModalWidget();
}

void CDocumentController::RestoreFromHistory(const dpmr::RadioImage& state) {
    context_.image = state;
    view_.SelectBandFromImage();
    MarkStale();
    emit DocumentChanged();
}

void CDocumentController::Undo() {
    if (!CanChangeHistoryNow()) return;
    // A cell being typed in is committed first and is the step taken back;
    // a change that no step recorded becomes one, so that Redo brings it back.
    view_.CommitEditor();
    RecordStep("Edit");
    if (auto state = history_.Undo()) RestoreFromHistory(*state);
}

void CDocumentController::Redo() {
    if (!CanChangeHistoryNow()) return;
    view_.CommitEditor();
    RecordStep("Edit");
    if (auto state = history_.Redo()) RestoreFromHistory(*state);
}

// ---- Editors of the image ---------------------------------------------------

void CDocumentController::RunImageEditor(const std::function<void()>& edit,
                                         const QString& stepName) {
    const dpmr::RadioImage before = context_.image;
    view_.StoreGridToImage();
    const dpmr::RadioImage stored = context_.image;
    edit();
    // An editor that changed nothing leaves every byte as it was, and the
    // table too (it may hold what the image does not yet).
    if (context_.image == stored)
        context_.image = before;
    else
        view_.SelectBandFromImage();
    view_.grid()->setFocus();
    RecordStep(stepName);
}

void CDocumentController::RunSettingsDialog(const dpmr::form::DialogDecl& decl) {
    RunImageEditor(
        [&] {
            const std::unique_ptr<CTabDialog> dialog =
                MakeSettingsDialog(decl, context_.image,
                                   {ToQt(context_.settings.pictureFolder),
                                    {context_.settings.portName, context_.settings.baudRate},
                                    dpmr::FreqRangeEntries(context_.settings)},
                                   window_);
            dialog->exec();
        },
        ToQt(decl.caption));
}

void CDocumentController::ChannelEdit() {
    dpmr::ChannelTablePresenter& table = view_.presenter();
    const int row = table.CurrentRow();
    // With several channels selected, the digital fields changed on this one
    // go to the others too, in the same undo step.
    std::set<int> selected = table.SelectedRows();
    if (selected.size() < 2 || !selected.contains(row)) selected.clear();
    dpmr::SpreadReport spread;
    RunImageEditor(
        [&] {
            const QString rxText = ToQt(table.Cell(row, dpmr::ChannelTablePresenter::kRxFreqCol));
            const dpmr::RadioImage before = context_.image;
            CChannelEditDlg dialog(context_.image, context_.band, row, rxText, window_);
            if (!selected.empty())
                dialog.SetSpreadNote(
                    ToQt("Rx and Tx color code, Tx contact and Group rx list changed on channel " +
                         std::to_string(row) + " go to " + dpmr::ChannelsText(selected, false) +
                         " as well."));
            dialog.exec();
            if (!selected.empty())
                spread =
                    dpmr::SpreadDigitalFields(context_.image, before, context_.band, row, selected);
        },
        "Channel edit");
    if (spread.lines.empty()) return;
    emit StatusMessage(ToQt(spread.lines.front()), 0);
    if (spread.lines.size() > 1)
        ShowReport(window_, QMessageBox::Information, "Channel edit.", spread.lines);
}

// CDocumentController: opening, replacing, saving and editing the document.
#include "app/CDocumentController.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "app/CCodeplugCommands.h"
#include "app/CPrintCommands.h"
#include "app/DocumentQuestions.h"
#include "channels/CChannelClipboard.h"
#include "channels/CChannelCsvCommands.h"
#include "channels/CChannelEditCommands.h"
#include "channels/CProgramView.h"
#include "document/NewDocument.h"
#include "dpmr/ContactChecks.h"
#include "form/DialogLauncher.h"
#include "form/QtText.h"
#include "image/Document.h"
#include "widgets/FileChoice.h"
#include "widgets/FlexGrid.h"

namespace {

constexpr const char* kDatFilter =
    QT_TRANSLATE_NOOP("CDocumentController", "*.dat (*.dat);;All Files (*)");

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

constexpr const char* kReadTitle =
    QT_TRANSLATE_NOOP("CDocumentController", "Untitled (read from the radio)");

}  // namespace

CDocumentController::CDocumentController(AppContext& context, CProgramView& view, QWidget* window)
    : QObject(window),
      context_(context),
      view_(view),
      window_(window),
      recent_(std::make_unique<dpmr::RecentFiles>(dpmr::RecentFilesPath())),
      printing_(std::make_unique<CPrintCommands>(view, window)) {
    const ImageEditorRunner runEditor = [this](const std::function<void()>& edit,
                                               const QString& name) { RunImageEditor(edit, name); };
    csvCommands_ = new CChannelCsvCommands(context_.image, view_, runEditor, window_);
    csvCommands_->SetDocumentPath([this] { return ToQt(session_.path()); });
    clipboard_ = new CChannelClipboard(context_.image, view_, runEditor, this);
    codeplug_ = new CCodeplugCommands(context_, view_, *this, window_);
    channelEdits_ =
        new CChannelEditCommands(context_.image, context_.band, view_, runEditor, window_, this);
    const auto notice = [this](const QString& text) { emit StatusMessage(text, 4000); };
    connect(csvCommands_, &CChannelCsvCommands::Notice, this, notice);
    connect(clipboard_, &CChannelClipboard::Notice, this, notice);
    connect(codeplug_, &CCodeplugCommands::Notice, this, notice);
    connect(channelEdits_, &CChannelEditCommands::Notice, this,
            [this](const QString& text) { emit StatusMessage(text, 0); });
    // The table changed what it shows: the modified mark is worked out anew
    // when next asked (every change of the table ends in a step, which asks).
    connect(&view_, &CProgramView::TableChanged, this, &CDocumentController::MarkStale);
    connect(&view_, &CProgramView::Edited, this, &CDocumentController::RecordStep);
    connect(&view_, &CProgramView::ChannelEditRequested, channelEdits_,
            &CChannelEditCommands::ChannelEdit);
}

CDocumentController::~CDocumentController() = default;

void CDocumentController::SetFileChooser(FileChooser chooser) {
    chooseFile_ = std::move(chooser);
    csvCommands_->SetFileChooser(chooseFile_);
    codeplug_->SetFileChooser(chooseFile_);
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
            session_.ResetUnsaved(WouldWrite(), FromQt(tr(kReadTitle)));
            RecordStep(tr("Read"));
            return;
        case DocumentOrigin::kReload:
            session_.Reset(session_.path(), WouldWrite(), disk);
            RecordStep(tr("Reload"));
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
    emit StatusMessage(stale.isEmpty() ? tr("Opened %1").arg(FileName(path))
                                       : tr("Opened %1.%2").arg(FileName(path), stale),
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
    emit StatusMessage(tr("Opened the backup %1; Save asks for a new name").arg(FileName(path)),
                       10000);
}

void CDocumentController::OpenRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        recent_->Remove(path.toStdString());
        emit DocumentChanged();
        ShowMessage(tr("%1 no longer exists; it was removed from the recent files.").arg(path));
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
        codeplug_->ImportFile(path);
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
    emit StatusMessage(stale.isEmpty() ? tr("Saved %1").arg(FileName(path))
                                       : tr("Saved %1.%2").arg(FileName(path), stale),
                       stale.isEmpty() ? 4000 : 30000);
    return true;
}

bool CDocumentController::SaveDocument() {
    if (session_.path().empty()) return SaveDocumentAs();
    switch (
        AskBeforeReplacing(window_, ToQt(context_.settings.Caption()), DisplayName(), session_)) {
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
    const bool reload = AskReloadChangedFile(window_, ToQt(context_.settings.Caption()),
                                             DisplayName(), now, modified);
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
    RecordStep(tr("Edit"));
    ReplaceDocument(image, DocumentOrigin::kReload, path, stamp);
    emit StatusMessage(tr("Reloaded %1").arg(FileName(path)), 4000);
    SayWhatWasNotLoaded(path, stamp);
}

bool CDocumentController::MaybeSave() {
    if (!IsModified()) return true;
    switch (AskSaveChanges(window_, ToQt(context_.settings.Caption()), DisplayName())) {
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
    return ChooseFileInDialog(
        window_, forSave, {forSave ? tr("Save As") : tr("Open"), tr(kDatFilter), "dat"}, suggested);
}

void CDocumentController::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, ToQt(context_.settings.Caption()), text, QMessageBox::Ok,
                    window_);
    box.exec();
}

void CDocumentController::ExportCodeplug() {
    codeplug_->Export();
}

void CDocumentController::ImportCodeplug() {
    if (!MaybeSave()) return;
    codeplug_->Import();
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
    channelEdits_->FillChannels();
}

void CDocumentController::Print() {
    printing_->Print();
}

void CDocumentController::PrintPreview() {
    printing_->PrintPreview();
}

void CDocumentController::PrintSetup() {
    printing_->PrintSetup();
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
    RecordStep(tr("Edit"));
    if (auto state = history_.Undo()) RestoreFromHistory(*state);
}

void CDocumentController::Redo() {
    if (!CanChangeHistoryNow()) return;
    view_.CommitEditor();
    RecordStep(tr("Edit"));
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
        FieldText(decl.caption));
}

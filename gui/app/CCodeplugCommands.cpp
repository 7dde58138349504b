// CCodeplugCommands: the document as a YAML codeplug, out and in.
#include "app/CCodeplugCommands.h"

#include <QFileInfo>
#include <QMessageBox>

#include "app/AppContext.h"
#include "app/CDocumentController.h"
#include "channels/CProgramView.h"
#include "channels/ReportBox.h"
#include "form/QtText.h"
#include "interchange/CodeplugYaml.h"
#include "util/FileIo.h"
#include "widgets/FileChoice.h"

namespace {

constexpr const char* kCodeplugFilter =
    QT_TRANSLATE_NOOP("CCodeplugCommands", "Codeplug (*.yaml *.yml);;All Files (*)");

}  // namespace

CCodeplugCommands::CCodeplugCommands(AppContext& context, CProgramView& view,
                                     CDocumentController& document, QWidget* window)
    : QObject(&document), context_(context), view_(view), document_(document), window_(window) {}

void CCodeplugCommands::SetFileChooser(
    std::function<QString(bool forSave, const QString& suggested)> chooser) {
    chooseFile_ = std::move(chooser);
}

QString CCodeplugCommands::ChooseFile(bool forSave) {
    // Beside the document, named after it: radio.dat <-> radio.yaml.
    const QString document = ToQt(document_.session().path());
    const QString suggested =
        forSave ? SuggestBesideDocument(document, "yaml", "codeplug.yaml")
                : (document.isEmpty() ? QString() : QFileInfo(document).absolutePath());
    if (chooseFile_) return chooseFile_(forSave, suggested);
    return ChooseFileInDialog(window_, forSave,
                              {forSave ? tr("Export") : tr("Import"), tr(kCodeplugFilter), "yaml"},
                              suggested);
}

void CCodeplugCommands::Export() {
    const QString path = ChooseFile(true);
    if (path.isEmpty()) return;
    view_.StoreGridToImage();
    const std::string text = dpmr::CodeplugToYaml(context_.image);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (dpmr::Status s = dpmr::WriteFileAtomically(path.toStdString(), {bytes, text.size()}); !s) {
        document_.ShowMessage(ToQt(s.message()));
        return;
    }
    emit Notice(tr("Exported %1").arg(QFileInfo(path).fileName()));
}

void CCodeplugCommands::Import() {
    const QString path = ChooseFile(false);
    if (!path.isEmpty()) ImportFile(path);
}

void CCodeplugCommands::ImportFile(const QString& path) {
    std::string text;
    dpmr::RadioImage image;
    std::vector<std::string> corrections;
    dpmr::Status s = dpmr::ReadListFile(path.toStdString(), "codeplug", text);
    if (s) s = dpmr::CodeplugFromYaml(text, context_.settings, image, &corrections);
    const QString name = QFileInfo(path).fileName();
    if (!s) {
        document_.ShowMessage(tr("Cannot import %1:\n%2").arg(name, ToQt(s.message())));
        return;
    }
    // Like Open of a file nobody saved yet: Save asks for a name.
    document_.ReplaceDocument(image, DocumentOrigin::kImport);
    emit Notice(tr("Imported %1").arg(name));
    // Values stored other than the file has them are said, never silent.
    if (!corrections.empty())
        ShowReport(window_, QMessageBox::Information,
                   tr("Imported %1: %2 value(s) stored other than written.")
                       .arg(name)
                       .arg(corrections.size()),
                   corrections);
}

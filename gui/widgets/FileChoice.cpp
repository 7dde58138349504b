// FileChoice: the one file dialog of the File commands.
#include "widgets/FileChoice.h"

#include <QFileDialog>
#include <QFileInfo>

QString ChooseFileInDialog(QWidget* parent, bool forSave, const FileChoice& choice,
                           const QString& suggested) {
    QFileDialog dialog(parent, choice.title, suggested, choice.filter);
    dialog.setAcceptMode(forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(choice.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QFileInfo info(dialog.selectedFiles().first());
    return !forSave && info.isSymLink() ? info.canonicalFilePath() : info.filePath();
}

QString SuggestBesideDocument(const QString& documentPath, const QString& suffix,
                              const QString& fallback) {
    if (documentPath.isEmpty()) return fallback;
    const QFileInfo info(documentPath);
    return info.dir().filePath(info.completeBaseName() + "." + suffix);
}

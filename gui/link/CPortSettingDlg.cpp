// CPortSettingDlg: listing, probing and choosing the serial port.
#include "link/CPortSettingDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/CPortWatch.h"
#include "link/ConnectionDoctor.h"
#include "link/PosixSerialPort.h"

namespace {

constexpr const char* kDemoLabel = QT_TRANSLATE_NOOP("CPortSettingDlg", "Virtual radio (demo)");
constexpr int kPathRole = Qt::UserRole;
constexpr int kDemoRole = Qt::UserRole + 1;

}  // namespace

CPortSettingDlg::CPortSettingDlg(std::string& portName, std::string demoPortName,
                                 std::function<std::string()> startDemoRadio, QWidget* parent)
    : QDialog(parent), portName_(portName), startDemoRadio_(std::move(startDemoRadio)) {
    setWindowTitle(tr("Port setting"));
    list_ = new QListWidget;
    list_->setObjectName("portList");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    path_ = new QLineEdit;
    path_->setObjectName("portPath");
    path_->setPlaceholderText("/dev/ttyUSB0");
    findings_ = new QLabel;
    findings_->setObjectName("connectionFindings");
    findings_->setWordWrap(true);
    findings_->setTextFormat(Qt::PlainText);
    findings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    findings_->hide();
    check_ = new QPushButton(tr("&Check the connection"));
    check_->setObjectName("checkConnection");
    check_->setToolTip(
        tr("Look for what keeps the program from the radio on this port, and how to fix it"));
    connect(check_, &QPushButton::clicked, this, [this] { CheckConnection(); });

    for (const PortEntry& e : SystemPorts()) AddPort(e);
    auto* demo = new QListWidgetItem(tr(kDemoLabel), list_);
    demo->setData(kDemoRole, true);
    if (!demoPortName.empty()) demo->setData(kPathRole, QString::fromStdString(demoPortName));

    connect(list_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item, QListWidgetItem*) { OnItemChanged(item); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item->flags() & Qt::ItemIsEnabled) accept();
    });

    auto* form = new QFormLayout;
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(check_);
    auto* pathLabel = new QLabel(tr("&Device:"));
    pathLabel->setBuddy(path_);
    form->addRow(pathLabel, pathRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortSettingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPortSettingDlg::reject);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Port"));
    label->setBuddy(list_);
    // A list view takes no name from its label for a screen reader: its own.
    list_->setAccessibleName(tr("Port"));
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addLayout(form);
    layout->addWidget(findings_);
    keptNote_ = new QLabel;
    keptNote_->setObjectName("portKeptNote");
    keptNote_->setWordWrap(true);
    keptNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    keptNote_->hide();
    layout->addWidget(keptNote_);
    layout->addWidget(buttons);
    resize(600, 380);
    SelectCurrent();
    // Cables plugged in and out while the dialog is open.
    watch_ = new CPortWatch(this);
    connect(watch_, &CPortWatch::PortAdded, this, &CPortSettingDlg::OnPortAdded);
    connect(watch_, &CPortWatch::PortRemoved, this, &CPortSettingDlg::RemovePort);
}

void CPortSettingDlg::SetKeptNote(const QString& text) {
    keptNote_->setText(text);
    keptNote_->setVisible(!text.isEmpty());
}

void CPortSettingDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A list without a current item would make its first port current as
    // soon as it takes the focus, silently replacing the port shown in the
    // field; then the field takes the focus instead.
    if (list_->currentItem()) {
        list_->setFocus();
    } else {
        path_->setFocus();
    }
}

void CPortSettingDlg::AddPort(const PortEntry& entry) {
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->data(kPathRole).toString() == entry.devicePath) return;
    // Keep the demo entry last.
    int row = list_->count();
    if (row > 0 && list_->item(row - 1)->data(kDemoRole).toBool()) --row;
    auto* item = new QListWidgetItem(entry.label);
    item->setData(kPathRole, entry.devicePath);
    if (!entry.available) {
        item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        item->setText(tr("%1  (%2)").arg(entry.label, entry.reason));
        item->setToolTip(entry.reason);
    }
    list_->insertItem(row, item);
    SelectCurrent();
}

void CPortSettingDlg::SelectCurrent() {
    const QString current = QString::fromStdString(portName_);
    path_->setText(current);
    const QSignalBlocker block(list_);
    list_->setCurrentItem(nullptr);
    if (current.isEmpty()) return;
    const QString device =
        CanonicalDevicePath(QString::fromStdString(dpmr::DevicePathForPortName(portName_)));
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const QString path = item->data(kPathRole).toString();
        if (!path.isEmpty() && CanonicalDevicePath(path) == device &&
            (item->flags() & Qt::ItemIsEnabled)) {
            list_->setCurrentItem(item);
            return;
        }
    }
}

void CPortSettingDlg::OnItemChanged(QListWidgetItem* item) {
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
    if (item->data(kDemoRole).toBool()) {
        const std::string path = startDemoRadio_ ? startDemoRadio_() : std::string();
        if (path.empty()) {
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            item->setText(tr("%1  (cannot be started)").arg(tr(kDemoLabel)));
            return;
        }
        item->setData(kPathRole, QString::fromStdString(path));
    }
    path_->setText(item->data(kPathRole).toString());
    CheckConnection();
}

void CPortSettingDlg::RemovePort(const QString& devicePath) {
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        if (item->data(kDemoRole).toBool() || item->data(kPathRole).toString() != devicePath)
            continue;
        const QString label = item->text();
        const QSignalBlocker block(list_);
        delete list_->takeItem(i);
        findings_->setText(tr("Unplugged: %1").arg(label));
        findings_->show();
        return;
    }
}

void CPortSettingDlg::OnPortAdded(const PortEntry& entry) {
    // What the user was typing stays, unless the new cable becomes the choice.
    const QString typed = path_->text();
    AddPort(entry);
    if (!entry.available) {
        path_->setText(typed);
        return;
    }
    // A cable that works is what the user plugged in to use.
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        if (item->data(kPathRole).toString() != entry.devicePath) continue;
        const QSignalBlocker block(list_);
        list_->setCurrentItem(item);
        path_->setText(entry.devicePath);
    }
    CheckConnection(tr("Plugged in: %1\n").arg(entry.label));
}

void CPortSettingDlg::CheckConnection(const QString& before) {
    const QString chosen = path_->text().trimmed();
    if (chosen.isEmpty()) {
        findings_->setText(before + tr("Choose a port, or type its device path."));
    } else {
        const dpmr::PortDiagnosis d =
            dpmr::CheckPort(dpmr::DevicePathForPortName(chosen.toStdString()), doctorRoot_);
        findings_->setText(before + QString::fromStdString(dpmr::DiagnosisText(d)).trimmed());
    }
    findings_->show();
}

void CPortSettingDlg::accept() {
    const QString chosen = path_->text().trimmed();
    // Nothing chosen keeps the port as it was.
    if (!chosen.isEmpty()) portName_ = chosen.toStdString();
    QDialog::accept();
}

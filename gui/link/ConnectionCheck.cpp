// The connection doctor's findings for one port, shown in a box.
#include "link/ConnectionCheck.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "link/ConnectionDoctor.h"
#include "link/PosixSerialPort.h"

void ShowConnectionCheck(QWidget* parent, const std::string& portName) {
    const std::string device = dpmr::DevicePathForPortName(portName);
    QMessageBox box(QMessageBox::Information,
                    QCoreApplication::translate("ConnectionCheck", "Check the connection"),
                    QString::fromStdString(dpmr::DiagnosisText(dpmr::CheckPort(device))),
                    QMessageBox::Ok, parent);
    box.setObjectName("connectionCheckBox");
    box.exec();
}

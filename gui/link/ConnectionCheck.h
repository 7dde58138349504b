// ConnectionCheck: the "Check the connection" answer offered wherever a
// transfer could not open its port: the connection doctor's findings for that
// port, each with its fix, in an information box.
#pragma once

#include <string>

class QWidget;

void ShowConnectionCheck(QWidget* parent, const std::string& portName);

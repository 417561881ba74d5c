#pragma once
#include <QString>

class QWidget;

namespace skelvora {

// The large heading and the thin rule of the information windows.
QWidget* MakeHeading(const QString& text, QWidget* parent);
QWidget* MakeRule(QWidget* parent);

} // namespace skelvora

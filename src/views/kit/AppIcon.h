#pragma once

class QWidget;

// The program's icon as windows show it: the network symbol in a blue gradient on a white rounded
// square with a soft shadow, the same on light and dark windows, as an application icon is.
QWidget* makeAppIcon(QWidget* parent);

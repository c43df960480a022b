#pragma once

class QDialog;
class QGroupBox;
class QPushButton;

// The small windows of the options dialog share their shape: one group of
// labelled boxes above OK (the default button) and Cancel, the window as
// small as its layout. Lays `group` and the two buttons out in `dialog`.
void layOutGroupWithOkCancel(QDialog* dialog, QGroupBox* group, QPushButton** ok, QPushButton** cancel);

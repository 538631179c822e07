#pragma once

#include <QDialog>

/// A plain window with a caption and one closing button, shown where a
/// dialog of the tool is not built yet, so the path that leads to it runs.
class StandInDialog : public QDialog
{
    Q_OBJECT

public:
    StandInDialog(const QString& caption, const QString& closeText, QWidget* parent = nullptr);
};

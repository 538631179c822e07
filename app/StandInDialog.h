#pragma once

#include <QDialog>

/// A plain window with a caption and a closing button, shown where a dialog
/// of the tool is not built yet (the encrypted-file main dialog), so the path
/// that leads to it runs.
class StandInDialog : public QDialog
{
    Q_OBJECT

public:
    /// One closing button (id 2) with the given text.
    StandInDialog(const QString& caption, const QString& closeText, QWidget* parent = nullptr);
};

#pragma once

#include <QDialog>

/// A plain window with a caption and its closing buttons, shown where a
/// dialog of the tool is not built yet, so the path that leads to it runs.
class StandInDialog : public QDialog
{
    Q_OBJECT

public:
    /// One closing button (id 2) with the given text.
    StandInDialog(const QString& caption, const QString& closeText, QWidget* parent = nullptr);
    /// OK (id 1) and Cancel (id 2) with the given texts.
    StandInDialog(const QString& caption, const QString& okText, const QString& cancelText,
                  QWidget* parent = nullptr);
};

#include "audio/ConversionProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QTimer>

ConversionJob::State runWithProgress(QWidget* parent, ConversionJob& job)
{
    QProgressDialog progress(QStringLiteral("Converting the game-call sound for the camera..."),
                             QStringLiteral("Cancel"), 0, 100, parent);
    progress.setWindowTitle(QCoreApplication::applicationName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // Until the program has said how long the source is, the bar just moves.
    progress.setMaximum(0);

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &progress, [&] {
        if (job.poll(0) != ConversionJob::State::Running) {
            progress.accept();
            return;
        }
        if (job.percent() >= 0) {
            progress.setMaximum(100);
            progress.setValue(job.percent());
        }
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] {
        job.cancel();
        progress.reject();
    });
    poll.start(50);
    progress.exec();
    poll.stop();
    if (job.state() == ConversionJob::State::Running)
        job.cancel();
    return job.state();
}

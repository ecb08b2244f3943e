#pragma once

#include "tools/batch_converter.h"
#include "tools/ui/tool_dialog.h"

#include <QStringList>

#include <memory>
#include <thread>

class QListWidget;

namespace montora {

class Prompter;
class SkinButton;

// "Batch Convert": a list of picture files, an output format and an output
// folder; Convert runs a BatchConverter on a worker thread of its own and fills
// the progress bar as the files are written. The worker converts a copy of the
// list, so files added meanwhile wait for the next Convert. Every way of closing
// the dialog during a run (close button, Escape, the window manager) asks first
// and then waits for the file in hand to be written. Files that failed are
// listed once the run ends.
class BatchConvertDialog : public ToolDialog {
    Q_OBJECT

public:
    explicit BatchConvertDialog(Prompter& prompter, QWidget* parent = nullptr);
    // Stops a run still going and waits for its worker.
    ~BatchConvertDialog() override;

    void addSources(const QStringList& paths);
    const QStringList& sources() const { return m_sources; }
    QString outputFolder() const { return m_folder; }
    void setOutputFolder(const QString& folder);
    // The selected format's name ("JPG", ...), empty when none is selected.
    QString format() const;

    bool isConverting() const { return m_converter != nullptr; }
    // Files written in the current run.
    int done() const { return m_done; }

    QListWidget* fileList() const { return m_fileList; }
    QListWidget* formatList() const { return m_formatList; }
    SkinButton* addButton() const { return m_add; }
    SkinButton* convertButton() const { return m_convert; }
    SkinButton* browseButton() const { return m_browse; }

    // Convert: starts a run unless one is going or nothing can be converted.
    void convert();
    // Every close path comes here.
    void reject() override;

signals:
    void runStarted();
    // A file of the run is being read.
    void fileStarted(int index);
    // Once the run has ended and its failures, if any, were shown.
    void runFinished(int written, int failed);

protected:
    void paintContent(QPainter& painter) override;

private:
    SkinButton* makeButton(int id, const QString& caption);
    QListWidget* makeList(const QRect& place);
    void addFiles();
    void browse();
    void fileFinished(int done);
    void runEnded(const BatchConverter::Summary& summary);
    void stopAndWait();

    Prompter& m_prompter;
    QStringList m_sources;
    QString m_folder;
    int m_done = 0;
    int m_runFiles = 0;
    bool m_closeWhenStopped = false;
    std::unique_ptr<BatchConverter> m_converter; // set while a run goes
    std::jthread m_worker;

    QListWidget* m_fileList;
    QListWidget* m_formatList;
    SkinButton* m_add;
    SkinButton* m_convert;
    SkinButton* m_browse;
};

} // namespace montora

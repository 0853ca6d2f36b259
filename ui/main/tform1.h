#pragma once

#include <QMainWindow>
#include <QString>

#include "app/message_box.h"
#include "density/reduction_table.h"

namespace shell {
class TO_progr_form;
}

namespace gui {

class TForm2;

// The main calculator window.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The editor and the About box, created at start beside this window.
    void attachWindows(TForm2* editor, shell::TO_progr_form* about);

    // Folder of the executable with its trailing separator; the base of the
    // settings file, the reduction table and the help pages.
    const QString& programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    const QString& settingsPath() const { return m_settingsPath; }

    const density::ReductionTable& reductionTable() const { return m_table; }
    density::MessageSink& messageSink() { return m_sink; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();

    QString m_programFolder;
    QString m_settingsPath;
    density::ReductionTable m_table;
    shell::WidgetMessageSink m_sink{this};
    TForm2* m_editor = nullptr;
    shell::TO_progr_form* m_about = nullptr;
};

}  // namespace gui

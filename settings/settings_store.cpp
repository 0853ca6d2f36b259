#include "settings_store.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSaveFile>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <map>

#include "object_index.h"
#include "settings_file.h"

namespace settings {

namespace {

QWidget* windowOf(const Windows& windows, Window window)
{
    return window == Window::Main ? windows.main : windows.editor;
}

QObject* targetOf(ObjectIndex& objects, const Windows& windows, const Key& key)
{
    return objects.find(windowOf(windows, key.window), key.target);
}

int integerValue(const std::optional<std::string>& stored, const Key& key)
{
    if (stored)
        if (const std::optional<int> v = parseInteger(*stored))
            return *v;
    return parseInteger(key.defaultValue).value_or(0);
}

// Checked or not; checking unchecks the rest of its group, and unchecking
// the checked button leaves the group with none.
void setRadio(QAbstractButton* button, bool on)
{
    if (on || !button->isChecked()) {
        button->setChecked(on);
        return;
    }
    if (QButtonGroup* group = button->group()) {
        const bool exclusive = group->exclusive();
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(exclusive);
    } else {
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
}

// A check box changed as by the user, so that its own click runs.
void setCheck(QAbstractButton* box, bool on)
{
    if (box->isChecked() == on)
        return;
    if (box->isEnabled())
        box->click();
    else
        box->setChecked(on);
}

bool titleBarReachable(const QRect& frame)
{
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), 24));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = titleBar & screen->availableGeometry();
        if (seen.width() >= std::min(100, frame.width()) && seen.height() >= 10)
            return true;
    }
    return false;
}

// The stored place when the title bar lands on a screen that exists now;
// otherwise the default place, or the top left of the primary screen.
QPoint reachablePlace(QPoint stored, QPoint fallback, QSize size)
{
    if (titleBarReachable(QRect(stored, size)))
        return stored;
    if (titleBarReachable(QRect(fallback, size)))
        return fallback;
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->availableGeometry().topLeft() : fallback;
}

struct Geometry {
    std::map<KeyKind, int> values;
    std::map<KeyKind, int> defaults;
};

void placeWindow(QWidget* window, const Geometry& g)
{
    QSize size = window->frameGeometry().size();
    if (g.values.count(KeyKind::Width)) {
        // never smaller than usable, never larger than the screen
        QSize limit(4096, 4096);
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            limit = primary->availableGeometry().size();
        size = QSize(std::clamp(g.values.at(KeyKind::Width), 100, std::max(100, limit.width())),
                     std::clamp(g.values.at(KeyKind::Height), 100, std::max(100, limit.height())));
        window->resize(size);
    }
    window->move(reachablePlace({g.values.at(KeyKind::Left), g.values.at(KeyKind::Top)},
                                {g.defaults.at(KeyKind::Left), g.defaults.at(KeyKind::Top)}, size));
}

std::string currentValue(QObject* target, const Key& key, int languageTag)
{
    auto* widget = qobject_cast<QWidget*>(target);
    switch (key.kind) {
    case KeyKind::Top:
        return std::to_string(widget->pos().y());
    case KeyKind::Left:
        return std::to_string(widget->pos().x());
    case KeyKind::Height:
        return std::to_string(widget->height());
    case KeyKind::Width:
        return std::to_string(widget->width());
    case KeyKind::Text:
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            return edit->text().toStdString();
        break;
    case KeyKind::Language:
        return std::to_string(languageTag);
    case KeyKind::Radio:
    case KeyKind::Check:
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            return button->isChecked() ? "1" : "0";
        break;
    case KeyKind::Mark:
        if (auto* item = qobject_cast<QAction*>(target))
            return item->isChecked() ? "1" : "0";
        break;
    }
    return key.defaultValue;
}

IniDocument readDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return IniDocument::parse(file.readAll().toStdString());
}

}  // namespace

int load(const QString& path, const Windows& windows)
{
    const IniDocument doc = readDocument(path);
    std::vector<const Key*> order;
    for (const Key& key : keyTable())
        order.push_back(&key);
    std::stable_sort(order.begin(), order.end(),
                     [](const Key* a, const Key* b) { return readingRank(a->kind) < readingRank(b->kind); });

    int language = 1;
    std::map<Window, Geometry> geometry;
    ObjectIndex objects;
    for (const Key* key : order) {
        const std::optional<std::string> stored = doc.value(key->section, key->key);
        QObject* target = targetOf(objects, windows, *key);
        switch (key->kind) {
        case KeyKind::Top:
        case KeyKind::Left:
        case KeyKind::Height:
        case KeyKind::Width:
            geometry[key->window].values[key->kind] = integerValue(stored, *key);
            geometry[key->window].defaults[key->kind] = integerValue(std::nullopt, *key);
            break;
        case KeyKind::Text:
            if (auto* edit = qobject_cast<QLineEdit*>(target))
                edit->setText(QString::fromStdString(stored.value_or(key->defaultValue)));
            break;
        case KeyKind::Language:
            language = integerValue(stored, *key);
            break;
        case KeyKind::Radio:
            if (auto* button = qobject_cast<QAbstractButton*>(target))
                setRadio(button, integerValue(stored, *key) != 0);
            break;
        case KeyKind::Check:
            if (auto* button = qobject_cast<QAbstractButton*>(target))
                setCheck(button, integerValue(stored, *key) != 0);
            break;
        case KeyKind::Mark:
            if (auto* item = qobject_cast<QAction*>(target))
                item->setChecked(integerValue(stored, *key) != 0);
            break;
        }
    }
    for (const auto& [window, g] : geometry)
        if (QWidget* w = windowOf(windows, window))
            placeWindow(w, g);
    return language;
}

QString save(const QString& path, const Windows& windows, int languageTag)
{
    IniDocument doc = readDocument(path);
    ObjectIndex objects;
    for (const Key& key : keyTable()) {
        QObject* target = key.kind == KeyKind::Language ? windows.main : targetOf(objects, windows, key);
        // a component that does not exist keeps what the file holds
        const std::string value = target ? currentValue(target, key, languageTag)
                                         : doc.value(key.section, key.key).value_or(key.defaultValue);
        doc.set(key.section, key.key, value);
    }

    // the user's folder may not exist yet; when it cannot be made, opening says why
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const std::string bytes = doc.text();
    // unbuffered, so that a short write (a full disk) is seen here and not
    // lost in the flush at commit, which would rename a cut file over the old one
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace settings

// The framework's prompts answered at random, as a hurried user would: files from a folder of
// scripts, windows, icons, projects and pictures (or a missing one, or none), any choice or a
// cancel, and every answer written to the run's log.
#pragma once

#include "Dice.h"
#include "EventLog.h"

#include "framework/Prompts.h"

#include <QDir>
#include <QFileInfo>

namespace orv::test {

class RandomPrompts final : public Prompts {
public:
    // Files offered to open are those in folder; new names are made there too.
    RandomPrompts(Dice& dice, EventLog& log, const QString& folder) : m_dice(dice), m_log(log), m_folder(folder) {}

    // New answers this kind (its place in the New dialog) most of the time.
    void setNewFileKind(int kind) { m_newFileKind = kind; }

    SaveAnswer askToSave(const QString& question) override
    {
        const auto answer = static_cast<SaveAnswer>(m_dice.below(3));
        static const char* const names[] = {"save", "discard", "cancel"};
        say(QStringLiteral("ask to save \"%1\": %2").arg(question, QLatin1String(names[static_cast<int>(answer)])));
        return answer;
    }
    QString chooseFileToOpen(const QString&, const QString& filter) override
    {
        return answerPath(QStringLiteral("file to open (%1)").arg(filter), anyFile());
    }
    QString chooseFileToSave(const QString&, const QString& proposed, const QString&) override
    {
        const QString name = QFileInfo(proposed).fileName();
        QString path;
        switch (m_dice.below(5)) {
        case 0:
            path = QStringLiteral("/nonexistent folder/") + name;
            break;
        case 1:
            path = anyFile();
            break;
        default:
            path = QDir(m_folder).filePath(name.isEmpty() ? QStringLiteral("unnamed") : name);
        }
        return answerPath(QStringLiteral("file to save \"%1\"").arg(proposed), path);
    }
    std::optional<int> chooseItem(const QString& title, const QString&, const QStringList& items) override
    {
        return answerIndex(QStringLiteral("choice \"%1\"").arg(title), static_cast<int>(items.size()));
    }
    std::optional<int> chooseNewFileType() override
    {
        std::optional<int> kind = m_dice.chance(80) ? m_newFileKind : m_dice.below(5);
        if (kind == 4)
            kind.reset();
        say(QStringLiteral("new file type: %1").arg(kind ? QString::number(*kind) : QStringLiteral("cancel")));
        return kind;
    }
    QString chooseFolder(const QString&) override
    {
        return answerPath(QStringLiteral("folder"), m_dice.chance(50) ? m_folder + QLatin1Char('/') : QStringLiteral("/"));
    }
    std::optional<QColor> chooseColour(const QColor& initial) override
    {
        std::optional<QColor> colour;
        if (!m_dice.chance(15))
            colour = QColor(m_dice.below(256), m_dice.below(256), m_dice.below(256));
        say(QStringLiteral("colour from %1: %2").arg(initial.name(), colour ? colour->name() : QStringLiteral("cancel")));
        return colour;
    }
    void showMessage(const QString& message) override { say(QStringLiteral("message \"%1\"").arg(message)); }
    void showError(const QString& message) override { say(QStringLiteral("error \"%1\"").arg(message)); }

private:
    void say(const QString& text) { m_log.write(QStringLiteral("    prompt: ") + text); }

    // A file of the folder, now and then one that is not there.
    QString anyFile()
    {
        const QStringList names = QDir(m_folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (names.isEmpty() || m_dice.chance(5))
            return QDir(m_folder).filePath(QStringLiteral("missing.mel"));
        return QDir(m_folder).filePath(m_dice.pick(names));
    }

    // path, or a cancel now and then.
    QString answerPath(const QString& prompt, const QString& path)
    {
        const QString answer = m_dice.chance(15) ? QString() : path;
        say(prompt + QStringLiteral(": ") + (answer.isEmpty() ? QStringLiteral("cancel") : answer));
        return answer;
    }

    std::optional<int> answerIndex(const QString& prompt, int count)
    {
        std::optional<int> index;
        if (count > 0 && !m_dice.chance(15))
            index = m_dice.below(count);
        say(prompt + QStringLiteral(": ") + (index ? QString::number(*index) : QStringLiteral("cancel")));
        return index;
    }

    Dice& m_dice;
    EventLog& m_log;
    QString m_folder;
    int m_newFileKind = 0;
};

} // namespace orv::test

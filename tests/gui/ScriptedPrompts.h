// The framework's prompts answered from a script: each test says which prompts it expects, in
// order, and how to answer them. A prompt nobody expected fails the test the moment it comes;
// an expected one that never came fails it when the script is checked or dropped.
#pragma once

#include "framework/Prompts.h"

#include <QtTest>

#include <deque>
#include <variant>

namespace orv::test {

class ScriptedPrompts final : public Prompts {
public:
    ScriptedPrompts() = default;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;
    ~ScriptedPrompts() override { verifyAllCame(); }

    void expectAskToSave(SaveAnswer answer) { m_script.push_back({Kind::askToSave, answer}); }
    void expectFileToOpen(const QString& answer) { m_script.push_back({Kind::fileToOpen, answer}); }
    void expectFileToSave(const QString& answer) { m_script.push_back({Kind::fileToSave, answer}); }
    void expectChoice(std::optional<int> answer) { m_script.push_back({Kind::choice, answer}); }
    void expectNewFileType(std::optional<int> answer) { m_script.push_back({Kind::newFileType, answer}); }
    void expectFolder(const QString& answer) { m_script.push_back({Kind::folder, answer}); }
    void expectColour(std::optional<QColor> answer) { m_script.push_back({Kind::colour, answer}); }
    void expectRestore(RestoreChoice answer) { m_script.push_back({Kind::restore, answer}); }
    void expectMessage() { m_script.push_back({Kind::message, {}}); }
    void expectError() { m_script.push_back({Kind::error, {}}); }

    // What the prompts said (the question, the error, the proposed name), oldest first.
    const QStringList& texts() const { return m_texts; }
    QString lastText() const { return m_texts.value(m_texts.size() - 1); }
    // The folder the last file prompt started in.
    const QString& lastFolder() const { return m_folder; }
    // The file types the last save dialog offered.
    const QString& lastFilter() const { return m_filter; }
    // The items of the last choice (or restore prompt) offered.
    const QStringList& lastItems() const { return m_items; }

    // Fails the running test for each expected prompt that did not come; true when all came.
    bool verifyAllCame()
    {
        const bool all = m_script.empty();
        for (const Step& step : m_script)
            QTest::qFail(qPrintable(QStringLiteral("an expected prompt never came: %1").arg(name(step.kind))),
                         __FILE__, __LINE__);
        m_script.clear();
        return all;
    }

    SaveAnswer askToSave(const QString& question) override
    {
        return answer<SaveAnswer>(Kind::askToSave, question, SaveAnswer::cancel);
    }
    QString chooseFileToOpen(const QString& folder, const QString& filter) override
    {
        m_folder = folder;
        return answer<QString>(Kind::fileToOpen, filter, QString());
    }
    // Records the title, so a test sees the dialog's words.
    QString chooseTitledFileToOpen(const QString& title, const QString& folder, const QString&) override
    {
        m_folder = folder;
        return answer<QString>(Kind::fileToOpen, title, QString());
    }
    QString chooseFileToSave(const QString& folder, const QString& proposed, const QString& filter) override
    {
        m_folder = folder;
        m_filter = filter;
        return answer<QString>(Kind::fileToSave, proposed, QString());
    }
    std::optional<int> chooseItem(const QString& title, const QString&, const QStringList& items) override
    {
        m_items = items;
        return answer<std::optional<int>>(Kind::choice, title, std::nullopt);
    }
    std::optional<int> chooseNewFileType() override
    {
        return answer<std::optional<int>>(Kind::newFileType, QString(), std::nullopt);
    }
    QString chooseFolder(const QString& initial) override { return answer<QString>(Kind::folder, initial, QString()); }
    std::optional<QColor> chooseColour(const QColor& initial) override
    {
        // No initial colour is told as an empty text.
        return answer<std::optional<QColor>>(Kind::colour, initial.isValid() ? initial.name() : QString(),
                                             std::nullopt);
    }
    RestoreChoice chooseDocumentsToRestore(const QStringList& documents) override
    {
        m_items = documents;
        return answer<RestoreChoice>(Kind::restore, documents.join(QLatin1Char('\n')), RestoreChoice{});
    }
    void showMessage(const QString& message) override { answer<std::monostate>(Kind::message, message, {}); }
    void showError(const QString& message) override { answer<std::monostate>(Kind::error, message, {}); }

private:
    enum class Kind { askToSave, fileToOpen, fileToSave, choice, newFileType, folder, colour, restore, message, error };
    using Answer = std::variant<std::monostate, SaveAnswer, QString, std::optional<int>, std::optional<QColor>,
                                RestoreChoice>;
    struct Step {
        Kind kind;
        Answer answer;
    };

    static QString name(Kind kind)
    {
        static const char* const names[] = {"ask to save", "file to open", "file to save", "choice",
                                            "new file type", "folder",    "colour",       "restore",
                                            "message",     "error"};
        return QString::fromLatin1(names[static_cast<int>(kind)]);
    }

    // The scripted answer, or cancelled when this prompt was not the one expected next.
    template <typename T>
    T answer(Kind kind, const QString& text, T cancelled)
    {
        m_texts << text;
        if (m_script.empty() || m_script.front().kind != kind) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: %1 \"%2\"").arg(name(kind), text)), __FILE__,
                         __LINE__);
            return cancelled;
        }
        const Answer scripted = m_script.front().answer;
        m_script.pop_front();
        const T* given = std::get_if<T>(&scripted);
        return given ? *given : cancelled;
    }

    std::deque<Step> m_script;
    QStringList m_texts;
    QStringList m_items;
    QString m_folder;
    QString m_filter;
};

} // namespace orv::test

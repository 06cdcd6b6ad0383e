#pragma once

#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QObject>
#include <QReadWriteLock>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace velkaris {

/// The message catalogue and the language files: every user text by constant name, in
/// the current language.
///
/// The one process-wide object of the program, created on first use with the built-in
/// Hungarian texts. Lookups take a shared lock, loading and switching an exclusive one.
class LangManager : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 BuiltInLanguage = 1033;
    static constexpr quint16 Hungarian = 1038;

    /// The program's catalogue.
    static LangManager& Instance();

    /// A catalogue of its own read from `block` (a built-in catalogue block); for tests
    /// and tools. Throws EVelkarisError when the block cannot be read.
    explicit LangManager(QByteArrayView block);

    /// The current text of constant `name` (ASCII, any letter case). Throws
    /// EVelkarisError "Constant "name" not found" for a name the catalogue lacks.
    QString GetMessageText(QStringView name) const;
    /// The built-in text of `name`; empty when the catalogue lacks it.
    QString DefaultText(QStringView name) const;
    bool Contains(QStringView name) const;
    int ConstantCount() const;

    /// Registers every usable language file matching `mask` in `folder` (and its
    /// subfolders with `recurse`); returns how many usable files were found, those
    /// of the built-in language included although they are never registered.
    int FindLanguageFiles(const QString& folder, const QString& mask, bool recurse);
    /// Registers one language file; its language id, or nullopt when the file is not a
    /// usable language file or is for the built-in language.
    std::optional<quint16> RegisterLanguageFile(const QString& path);

    /// Switches to language `id`: the built-in texts for 1033, else the registered file
    /// of `id` (an id without a file changes nothing). The error text when the file
    /// cannot be read; the language stays as it was then.
    std::optional<QString> SelectLanguage(quint16 id);

    quint16 CurrentLanguageId() const;
    static quint16 BuiltInLanguageId() { return BuiltInLanguage; }
    /// Registered files + 1.
    int LanguageCount() const;
    /// Index 0 is the built-in language, then the registered files in order.
    quint16 LanguageIdAt(int index) const;
    /// "Arial" for Hungarian or when no language file is known, "Tahoma" otherwise.
    QString ChartLabelFontName() const;

    /// The texts the current language gives window `windowName` by entry number; empty
    /// with the built-in language.
    QMap<int, QString> WindowTexts(const QString& windowName) const;

signals:
    /// The language changed: windows re-apply their texts, holders of texts re-read them.
    void LanguageChanged();

private:
    LangManager();
    void LoadBlock(QByteArrayView block);
    qsizetype IndexOf(QStringView name) const;

    struct TEntry {
        QString Name;
        QString Default;
        QString Current;
    };

    mutable QReadWriteLock m_Lock;
    std::vector<TEntry> m_Entries;
    QList<std::pair<quint16, QString>> m_Registry;
    quint16 m_Current = BuiltInLanguage;
    QMap<QString, QMap<int, QString>> m_WindowTexts;
};

} // namespace velkaris

#include "LangManager.h"

#include "LanguageFile.h"
#include "VelkarisError.h"
#include "messages/BuiltInCatalogue.h"
#include "messages/CatalogueFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace velkaris {

namespace {

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

LangManager& LangManager::Instance() {
    static LangManager manager;
    return manager;
}

LangManager::LangManager() {
    LoadBlock(BuiltInCatalogueBlock());
}

LangManager::LangManager(QByteArrayView block) {
    LoadBlock(block);
}

void LangManager::LoadBlock(QByteArrayView block) {
    auto read = ReadCatalogueBlock(block);
    if (const auto* error = std::get_if<QString>(&read))
        throw EVelkarisError(*error);
    auto& texts = std::get<std::vector<TCatalogueText>>(read);
    std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) {
        return CompareConstantNames(a.Name, b.Name) < 0;
    });
    QWriteLocker lock(&m_Lock);
    m_Entries.clear();
    m_Entries.reserve(texts.size());
    for (TCatalogueText& t : texts) {
        if (!m_Entries.empty() && CompareConstantNames(m_Entries.back().Name, t.Name) == 0)
            throw EVelkarisError(QStringLiteral("Duplicate constant name (\"%1\")").arg(t.Name));
        m_Entries.push_back({t.Name, t.Text, t.Text});
    }
    m_Current = BuiltInLanguage;
}

qsizetype LangManager::IndexOf(QStringView name) const {
    const auto it = std::lower_bound(
        m_Entries.begin(), m_Entries.end(), name,
        [](const TEntry& e, QStringView n) { return CompareConstantNames(e.Name, n) < 0; });
    if (it == m_Entries.end() || CompareConstantNames(it->Name, name) != 0)
        return -1;
    return it - m_Entries.begin();
}

QString LangManager::GetMessageText(QStringView name) const {
    QReadLocker lock(&m_Lock);
    const qsizetype i = IndexOf(name);
    if (i < 0)
        throw EVelkarisError(QStringLiteral("Constant \"%1\" not found").arg(name));
    return m_Entries[static_cast<size_t>(i)].Current;
}

QString LangManager::DefaultText(QStringView name) const {
    QReadLocker lock(&m_Lock);
    const qsizetype i = IndexOf(name);
    return i < 0 ? QString() : m_Entries[static_cast<size_t>(i)].Default;
}

bool LangManager::Contains(QStringView name) const {
    QReadLocker lock(&m_Lock);
    return IndexOf(name) >= 0;
}

int LangManager::ConstantCount() const {
    QReadLocker lock(&m_Lock);
    return static_cast<int>(m_Entries.size());
}

std::optional<quint16> LangManager::RegisterLanguageFile(const QString& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    const auto id = TLanguageFile::ParseHeader(*bytes).LanguageId;
    if (!id || *id == BuiltInLanguage)
        return std::nullopt;
    QWriteLocker lock(&m_Lock);
    const auto it = std::find_if(m_Registry.begin(), m_Registry.end(),
                                 [&](const auto& r) { return r.first == *id; });
    if (it != m_Registry.end())
        it->second = path;
    else
        m_Registry.append({*id, path});
    return id;
}

int LangManager::FindLanguageFiles(const QString& folder, const QString& mask, bool recurse) {
    int usable = 0;
    QDirIterator it(folder, {mask}, QDir::Files | QDir::Readable,
                    recurse ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    QStringList paths;
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    for (const QString& path : paths) {
        const auto bytes = ReadWholeFile(path);
        if (!bytes)
            continue;
        const auto id = TLanguageFile::ParseHeader(*bytes).LanguageId;
        if (!id)
            continue;
        ++usable;
        if (*id != BuiltInLanguage)
            RegisterLanguageFile(path);
    }
    return usable;
}

std::optional<QString> LangManager::SelectLanguage(quint16 id) {
    std::optional<TLanguageFile> file;
    if (id != BuiltInLanguage) {
        QString path;
        {
            QReadLocker lock(&m_Lock);
            for (const auto& [registered, p] : m_Registry) {
                if (registered == id)
                    path = p;
            }
        }
        if (path.isEmpty())
            return std::nullopt;
        const auto bytes = ReadWholeFile(path);
        if (!bytes)
            return QStringLiteral("Loading translations failed.\r\nLine 0: %1 cannot be read")
                .arg(QDir::toNativeSeparators(path));
        auto parsed = TLanguageFile::Parse(*bytes);
        if (const auto* error = std::get_if<QString>(&parsed))
            return *error;
        file = std::move(std::get<TLanguageFile>(parsed));
    }
    {
        QWriteLocker lock(&m_Lock);
        if (id == m_Current)
            return std::nullopt;
        m_Current = id;
        if (!file) {
            for (TEntry& e : m_Entries)
                e.Current = e.Default;
            m_WindowTexts.clear();
        } else {
            for (const auto& [name, text] : file->Constants) {
                const qsizetype i = IndexOf(name);
                if (i >= 0)
                    m_Entries[static_cast<size_t>(i)].Current = text;
            }
            m_WindowTexts.clear();
            for (auto it = file->WindowTexts.cbegin(); it != file->WindowTexts.cend(); ++it)
                m_WindowTexts.insert(it.key(), it.value());
        }
    }
    emit LanguageChanged();
    return std::nullopt;
}

quint16 LangManager::CurrentLanguageId() const {
    QReadLocker lock(&m_Lock);
    return m_Current;
}

int LangManager::LanguageCount() const {
    QReadLocker lock(&m_Lock);
    return static_cast<int>(m_Registry.size()) + 1;
}

quint16 LangManager::LanguageIdAt(int index) const {
    QReadLocker lock(&m_Lock);
    if (index <= 0 || index > m_Registry.size())
        return BuiltInLanguage;
    return m_Registry[index - 1].first;
}

QString LangManager::ChartLabelFontName() const {
    const bool arial = CurrentLanguageId() == Hungarian || LanguageCount() == 1;
    return arial ? QStringLiteral("Arial") : QStringLiteral("Tahoma");
}

QMap<int, QString> LangManager::WindowTexts(const QString& windowName) const {
    QReadLocker lock(&m_Lock);
    return m_WindowTexts.value(windowName.toUpper());
}

} // namespace velkaris

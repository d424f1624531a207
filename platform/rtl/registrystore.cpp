// The registry tree in memory, its file format, and the refresh-on-change
// and lock-write-replace cycle that keeps every instance on the same file.
#include "platform/rtl/registrystore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/rtl/codepage.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/sysutils.h"

namespace {

constexpr std::string_view kHeader = "serviora-registry 1";
// Keys nest at most this deep, as on the platform; the tree is walked
// recursively, so a deeper key in a damaged file must not get in.
constexpr std::size_t kMaxKeyDepth = 512;

struct Node {
    AnsiString name;
    std::map<AnsiString, std::unique_ptr<Node>> subkeys;  // by UpperCase(name)
    std::vector<std::pair<AnsiString, RegistryValue>> values;

    Node* Find(const AnsiString& key) const {
        auto it = subkeys.find(UpperCase(key));
        return it == subkeys.end() ? nullptr : it->second.get();
    }
    Node& FindOrCreate(const AnsiString& key) {
        std::unique_ptr<Node>& slot = subkeys[UpperCase(key)];
        if (!slot) {
            slot = std::make_unique<Node>();
            slot->name = key;
        }
        return *slot;
    }
    auto FindValue(const AnsiString& valueName) {
        return std::find_if(values.begin(), values.end(),
                            [&](const auto& value) { return SameText(value.first, valueName); });
    }
};

struct RootName {
    HKEY key;
    const char* name;
};
constexpr std::array<RootName, 4> kRoots = {{
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
}};

constexpr std::array<const char*, 5> kTypeTags = {"unknown", "sz", "expand_sz", "dword", "binary"};

// Text keeps its bytes; binary data also escapes bytes above ASCII, so the
// file stays readable as GB18030 text.
std::string Escape(std::string_view bytes, bool binary = false) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        if (b < 0x20 || b == 0x7F || b == '%' || (binary && b >= 0x80)) {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        } else {
            out += char(b);
        }
    }
    return out;
}

// "%XX" becomes the byte XX; a "%" without two hex digits after it stays.
std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned byte = 0;
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::from_chars(&text[i + 1], &text[i + 3], byte, 16).ptr == &text[i + 3]) {
            out += char(byte);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string EncodeData(const RegistryValue& value) {
    if (value.type == rdInteger && value.data.size() == 4) {
        std::uint32_t n = 0;
        for (int i = 3; i >= 0; --i) n = n << 8 | static_cast<unsigned char>(value.data[std::size_t(i)]);
        return std::to_string(n);
    }
    return Escape(value.data, value.type == rdBinary || value.type == rdUnknown);
}

RegistryValue DecodeValue(std::string_view tag, std::string_view data) {
    RegistryValue value;
    for (std::size_t i = 0; i < kTypeTags.size(); ++i)
        if (tag == kTypeTags[i]) value.type = TRegDataType(i);
    if (value.type == rdInteger) {
        const std::uint32_t n = std::uint32_t(std::strtoul(std::string(data).c_str(), nullptr, 10));
        for (int i = 0; i < 4; ++i) value.data += char(n >> (8 * i) & 0xFF);
    } else {
        value.data = Unescape(data);
    }
    return value;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

// Which file state the tree was read from: the file's identity and
// modification time, or its absence.
struct FileState {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long seconds = 0, nanoseconds = 0;

    static FileState Of(const AnsiString& fileName) {
        FileState state;
        struct stat st {};
        if (::stat(OsFileName(fileName).c_str(), &st) != 0) return state;
        state = {true, st.st_dev, st.st_ino, st.st_size, long(st.st_mtim.tv_sec), long(st.st_mtim.tv_nsec)};
        return state;
    }
    bool operator==(const FileState&) const = default;
};

// Holds the advisory lock that serialises writers of one registry file.
class WriterLock {
public:
    explicit WriterLock(const AnsiString& fileName)
        : fd_(::open(OsFileName(fileName + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ < 0) throw ERegistryException("Cannot lock the registry file " + fileName);
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            ::close(fd_);
            throw ERegistryException("Cannot lock the registry file " + fileName);
        }
    }
    ~WriterLock() { ::close(fd_); }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

private:
    int fd_;
};

class Store {
public:
    // Runs `read` over the current tree.
    template <class F>
    auto Read(F read) {
        std::lock_guard lock(mutex_);
        Refresh(FileName());
        return read();
    }

    // Runs `change` over the current tree under the writer lock; when it
    // answers true, the tree is written back before the lock is released.
    bool Modify(const std::function<bool()>& change) {
        std::lock_guard lock(mutex_);
        const AnsiString fileName = FileName();
        if (!ForceDirectories(ExtractFilePath(fileName)))
            throw ERegistryException("Cannot create the folder of the registry file " + fileName);
        WriterLock writer(fileName);
        Refresh(fileName);
        if (!change()) return false;
        if (!WriteFileAtomically(fileName, Serialize())) {
            loadedFrom_.clear();  // the tree no longer matches the file
            throw ERegistryException("Cannot write the registry file " + fileName);
        }
        loadedState_ = FileState::Of(fileName);
        return true;
    }

    Node* Find(const RegistryKeyPath& path) {
        Node* node = Root(path.root);
        for (std::size_t i = 0; node && i < path.names.size(); ++i) node = node->Find(path.names[i]);
        return node;
    }
    Node* Create(const RegistryKeyPath& path) {
        if (path.names.size() > kMaxKeyDepth) return nullptr;
        Node* node = Root(path.root);
        for (std::size_t i = 0; node && i < path.names.size(); ++i) node = &node->FindOrCreate(path.names[i]);
        return node;
    }

    AnsiString FileName() const {
        if (!override_.empty()) return override_;
        const char* config = std::getenv("XDG_CONFIG_HOME");
        const std::string folder = config && *config ? std::string(config) : HomeFolder() + "/.config";
        return Utf8ToAnsi(folder) + "/serviora/registry.dat";
    }
    void SetFileName(const AnsiString& fileName) {
        std::lock_guard lock(mutex_);
        override_ = fileName;
    }

private:
    Node* Root(HKEY key) {
        for (std::size_t i = 0; i < kRoots.size(); ++i)
            if (kRoots[i].key == key) return &roots_[i];
        return nullptr;
    }

    void Refresh(const AnsiString& fileName) {
        const FileState state = FileState::Of(fileName);
        if (fileName == loadedFrom_ && state == loadedState_) return;
        for (std::size_t i = 0; i < kRoots.size(); ++i) roots_[i] = Node{kRoots[i].name, {}, {}};
        std::string bytes;
        if (state.exists && ReadFileBytes(fileName, bytes)) Parse(bytes);
        loadedFrom_ = fileName;
        loadedState_ = state;
    }

    // Lines that do not parse are skipped, so a damaged line costs only
    // itself.
    void Parse(std::string_view bytes) {
        Node* current = nullptr;
        std::size_t start = 0;
        while (start < bytes.size()) {
            std::size_t end = bytes.find('\n', start);
            if (end == std::string_view::npos) end = bytes.size();
            const std::vector<std::string_view> fields = SplitFields(bytes.substr(start, end - start));
            start = end + 1;
            if (fields[0] == "key" && fields.size() >= 2) {
                current = nullptr;
                for (std::size_t i = 0; fields.size() - 2 <= kMaxKeyDepth && i < kRoots.size(); ++i)
                    if (fields[1] == kRoots[i].name) current = &roots_[i];
                for (std::size_t i = 2; current && i < fields.size(); ++i)
                    current = &current->FindOrCreate(Unescape(fields[i]));
            } else if (fields[0] == "value" && fields.size() == 4 && current) {
                const AnsiString name = Unescape(fields[2]);
                auto existing = current->FindValue(name);
                RegistryValue value = DecodeValue(fields[1], fields[3]);
                if (existing != current->values.end())
                    existing->second = std::move(value);
                else
                    current->values.emplace_back(name, std::move(value));
            }
        }
    }

    std::string Serialize() const {
        std::string out(kHeader);
        out += '\n';
        for (std::size_t i = 0; i < kRoots.size(); ++i) SerializeNode(roots_[i], kRoots[i].name, out);
        return out;
    }
    static void SerializeNode(const Node& node, const std::string& keyLine, std::string& out) {
        out += "key\t" + keyLine + '\n';
        for (const auto& [name, value] : node.values)
            out += std::string("value\t") + kTypeTags[value.type] + '\t' + Escape(name) + '\t' + EncodeData(value) +
                   '\n';
        for (const auto& entry : node.subkeys)
            SerializeNode(*entry.second, keyLine + '\t' + Escape(entry.second->name), out);
    }

    std::mutex mutex_;
    std::array<Node, kRoots.size()> roots_;
    AnsiString override_;
    AnsiString loadedFrom_;
    FileState loadedState_;
};

Store& TheStore() {
    static Store store;
    return store;
}

}  // namespace

AnsiString RegistryFileName() { return TheStore().FileName(); }

void SetRegistryFileName(const AnsiString& fileName) { TheStore().SetFileName(fileName); }

std::vector<AnsiString> SplitRegistryKey(const AnsiString& key) {
    std::vector<AnsiString> names;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= key.size(); i += i < key.size() ? AnsiCharSize(key, i) : 1) {
        if (i < key.size() && key[i] != '\\') continue;
        if (i > start) names.push_back(key.substr(start, i - start));
        start = i + 1;
    }
    return names;
}

bool RegistryKeyExists(const RegistryKeyPath& key) {
    return TheStore().Read([&] { return TheStore().Find(key) != nullptr; });
}

bool RegistryCreateKey(const RegistryKeyPath& key) {
    Store& store = TheStore();
    bool exists = false;
    store.Modify([&] {
        if (store.Find(key)) {
            exists = true;
            return false;
        }
        exists = store.Create(key) != nullptr;
        return exists;
    });
    return exists;
}

bool RegistryDeleteKey(const RegistryKeyPath& key) {
    if (key.names.empty()) return false;
    Store& store = TheStore();
    return store.Modify([&] {
        RegistryKeyPath parentPath{key.root, {key.names.begin(), key.names.end() - 1}};
        Node* parent = store.Find(parentPath);
        return parent && parent->subkeys.erase(UpperCase(key.names.back())) > 0;
    });
}

std::vector<AnsiString> RegistryKeyNames(const RegistryKeyPath& key) {
    Store& store = TheStore();
    return store.Read([&] {
        std::vector<AnsiString> names;
        if (Node* node = store.Find(key))
            for (const auto& entry : node->subkeys) names.push_back(entry.second->name);
        return names;
    });
}

std::vector<AnsiString> RegistryValueNames(const RegistryKeyPath& key) {
    Store& store = TheStore();
    return store.Read([&] {
        std::vector<AnsiString> names;
        if (Node* node = store.Find(key))
            for (const auto& value : node->values) names.push_back(value.first);
        return names;
    });
}

std::optional<RegistryValue> RegistryReadValue(const RegistryKeyPath& key, const AnsiString& name) {
    Store& store = TheStore();
    return store.Read([&]() -> std::optional<RegistryValue> {
        Node* node = store.Find(key);
        if (!node) return std::nullopt;
        auto value = node->FindValue(name);
        if (value == node->values.end()) return std::nullopt;
        return value->second;
    });
}

bool RegistryWriteValue(const RegistryKeyPath& key, const AnsiString& name, const RegistryValue& value) {
    Store& store = TheStore();
    bool keyExists = false;
    store.Modify([&] {
        Node* node = store.Find(key);
        if (!node) return false;
        keyExists = true;
        auto existing = node->FindValue(name);
        if (existing == node->values.end())
            node->values.emplace_back(name, value);
        else
            existing->second = value;
        return true;
    });
    return keyExists;
}

bool RegistryDeleteValue(const RegistryKeyPath& key, const AnsiString& name) {
    Store& store = TheStore();
    return store.Modify([&] {
        Node* node = store.Find(key);
        if (!node) return false;
        auto value = node->FindValue(name);
        if (value == node->values.end()) return false;
        node->values.erase(value);
        return true;
    });
}

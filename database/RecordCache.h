// SPDX-License-Identifier: MIT
// Records the accessors decoded from a catalog that cannot change, by the
// caller's arguments. A CAD model asks for the same few sizes thousands of
// times; while the catalog is open shared read-only under the lock nobody can
// change it, so a repeated read gives the same record, and serving it from
// here costs a hash lookup and a copy instead of building a statement and
// filling the record column by column.
//
// The cache belongs to the engine state of the open catalog, beside its kept
// rows, and lives and goes exactly as they do: it exists only while the
// catalog cannot change (read-only, under the lock, no linked tables), goes
// with the state when the file's identity changes or a writer opens it, and
// is never there for a read-write open. Internal to the library.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"

namespace zept::db {

template <typename Record>
class RecordCache final : public zept::dao::Engine::Derived {
 public:
  // What one read answered: whether the row exists and, once a read asked
  // for the record, what the row makes of it. A column that is null leaves
  // the caller's member as it was, so `set` says which members the row sets
  // (bits in the accessor's reading order); only those are copied out.
  struct Entry {
    bool found = false;
    bool decoded = false;
    std::uint64_t set = 0;
    Record record{};
  };
  static constexpr std::size_t kMaxEntries = 1024;
  static constexpr std::size_t kMaxBytes = std::size_t{1} << 20;
  static constexpr std::size_t kMaxEntryBytes = std::size_t{64} << 10;
  // A key is kept when it comes again within this many reads: a sweep over
  // a catalog's sizes would otherwise copy every record and evict it again.
  static constexpr std::size_t kOfferedKeys = 64;

  // The cache of the catalog `db` has open; null when none is open or the
  // catalog can change.
  static RecordCache* of(CDaoDatabase& db) {
    if (!db.IsOpen()) return nullptr;
    return static_cast<RecordCache*>(db.engine().derived(typeid(RecordCache), [] {
      return std::unique_ptr<zept::dao::Engine::Derived>(new RecordCache);
    }));
  }

  // The key the next answer() and keep calls use, filled by the caller from
  // its arguments (checked first: only what a read accepted is ever kept).
  std::wstring& key() { return m_key; }

  // What is kept under the key when it answers a read that does or does not
  // want the record; null when the read must go to the catalog.
  Entry const* answer(bool wantsRecord) {
    Entry const* hit = find();
    return hit && (!hit->found || !wantsRecord || hit->decoded) ? hit : nullptr;
  }

  // After a read answer() could not serve: whether the row exists, or the
  // record it decoded with the members it set. Kept only when admitted.
  void keepFound(bool found) {
    if (admits()) keep(Entry{found, false, 0, {}}, 0);
  }
  void keepRecord(std::uint64_t set, Record const& record, std::size_t heapBytes) {
    if (admits()) keep(Entry{true, true, set, record}, heapBytes);
  }

  std::size_t size() const { return m_index.size(); }

  // Where the result of the accessor's read statement has the columns it
  // reads, in its reading order (-1 for one it lacks); empty until the
  // first read resolves them. The statement's columns come from the schema,
  // which cannot change while the cache exists.
  std::vector<int>& positions() { return m_positions; }

 private:
  Entry const* find() {
    m_hash = std::hash<std::wstring_view>{}(m_key);
    if (m_index.empty()) return nullptr;
    const auto it = m_index.find(Key{m_key, m_hash});
    if (it == m_index.end()) return nullptr;
    if (it->second != m_entries.begin()) m_entries.splice(m_entries.begin(), m_entries, it->second);
    return &it->second->entry;
  }

  // Whether keep() would keep what the key of the last find() reads; when
  // not, the key is offered, to be kept if it comes again soon.
  bool admits() {
    if (std::find(m_offered.begin(), m_offered.end(), m_hash) != m_offered.end()) return true;
    m_offered[m_nextOffered++ % m_offered.size()] = m_hash;
    return false;
  }

  // Keeps `entry` under the key of the last find(), replacing what was
  // there; `heapBytes` is what its record holds beyond its own size.
  void keep(Entry&& entry, std::size_t heapBytes) {
    const std::size_t bytes = sizeof(Node) + m_key.size() * sizeof(wchar_t) + heapBytes;
    if (bytes > kMaxEntryBytes) return;
    if (const auto it = m_index.find(Key{m_key, m_hash}); it != m_index.end()) drop(it->second);
    while (!m_entries.empty() && (m_index.size() >= kMaxEntries || m_bytes + bytes > kMaxBytes))
      drop(std::prev(m_entries.end()));
    m_entries.push_front(Node{m_key, m_hash, bytes, std::move(entry)});
    m_index.emplace(Key{m_entries.front().key, m_hash}, m_entries.begin());
    m_bytes += bytes;
  }

  struct Node {
    std::wstring key;
    std::size_t hash;
    std::size_t bytes;
    Entry entry;
  };
  struct Key {
    std::wstring_view text;  // into a node's key, or m_key
    std::size_t hash;
    bool operator==(Key const& other) const { return hash == other.hash && text == other.text; }
  };
  struct KeyHash {
    std::size_t operator()(Key const& k) const { return k.hash; }
  };
  using Nodes = std::list<Node>;

  void drop(typename Nodes::iterator node) {
    m_bytes -= node->bytes;
    m_index.erase(Key{node->key, node->hash});
    m_entries.erase(node);
  }

  Nodes m_entries;  // latest first
  std::unordered_map<Key, typename Nodes::iterator, KeyHash> m_index;
  std::size_t m_bytes = 0;
  std::wstring m_key;
  std::size_t m_hash = 0;
  std::array<std::size_t, kOfferedKeys> m_offered{};
  std::size_t m_nextOffered = 0;
  std::vector<int> m_positions;
};

}  // namespace zept::db

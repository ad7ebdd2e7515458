#pragma once
// A queue of heap copies with its own mutex: the long send queue, whose
// records are too large to move around by value.
#include <QMutex>

#include <deque>
#include <memory>

template <typename T>
class CThreadSafeQueue {
 public:
  void Enqueue(std::unique_ptr<T> item) {
    QMutexLocker lock(&m_Mutex);
    m_Items.push_back(std::move(item));
  }
  // The oldest record, or null when the queue is empty.
  std::unique_ptr<T> Dequeue() {
    QMutexLocker lock(&m_Mutex);
    if (m_Items.empty()) return nullptr;
    std::unique_ptr<T> item = std::move(m_Items.front());
    m_Items.pop_front();
    return item;
  }
  bool IsEmpty() const {
    QMutexLocker lock(&m_Mutex);
    return m_Items.empty();
  }
  int Count() const {
    QMutexLocker lock(&m_Mutex);
    return static_cast<int>(m_Items.size());
  }
  void Clear() {
    QMutexLocker lock(&m_Mutex);
    m_Items.clear();
  }

 private:
  mutable QMutex m_Mutex;  // mutex B of the message layer
  std::deque<std::unique_ptr<T>> m_Items;
};

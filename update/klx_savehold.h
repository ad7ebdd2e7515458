#pragma once
// What an update holds back from the saver while it replaces files: the
// marks of what waits to be saved are taken, and given back as they were
// when the update ends without a new program. Nothing is marked that was not
// marked before: a save after an update carries a change, never the same
// model once more with only a new check value.
class KLX_DataBaseManager;

class KLX_SaveHold {
 public:
  // The model's mark alone.
  void TakeModel(KLX_DataBaseManager* db);
  // Every mark, and model data saving off.
  void Hold(KLX_DataBaseManager* db);
  // Model data saving on and the marks taken set again; a mark set in the
  // meantime stays.
  void Release(KLX_DataBaseManager* db);

 private:
  bool m_Model = false;
  bool m_System = false;
  bool m_Vorn = false;
};

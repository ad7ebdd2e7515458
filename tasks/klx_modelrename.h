#pragma once
// The model-rename task: gives the loaded model a new name (mode 0; the task
// writes its file under the new name and "Vornstate.xml", moves the
// pictures and then removes the old file), or renames a model folder
// (mode 1).
#include "frame/klx_xmlfilehandler.h"
#include "tasks/klx_modelfiletask.h"

class KLX_ModelRename : public KLX_ModelFileTask {
 public:
  KLX_ModelRename();
  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  // Mode 0: text 1 the new model name, text 2 the loaded model's folder.
  // Mode 1: text 1 the new and text 2 the old folder name under the model
  // area, text 3 the name of the loaded model's folder. 0 done, KLX_Error.
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_ModelRenameHandleProgress();
  // The loaded model's folder: a type's folder is kept as the type.
  void KLX_ModelRenameSetModelFolderName(QString path);
  // Moves oldFile to newFile, replacing it; true when moved.
  bool KLX_ModelRenameImageFileWithReplace(QString newFile, QString oldFile);

 private:
  // The two modes; *renamedIn is the name the final hint gives.
  int RenameModel(QString* renamedIn);
  int RenameFolder();
  // The loaded model's folder as the path scheme places it, with its
  // closing "/"; empty when it has none.
  QString LoadedFolder() const;
  // Writes the model file and "Vornstate.xml" now, each synced, beside the
  // saver (which holds the card for its passes).
  bool SaveNow();

  KLX_XMLFileHandler m_Xml{QStringLiteral("KLX_ModelRename")};
};

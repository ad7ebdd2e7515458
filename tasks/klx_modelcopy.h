#pragma once
// The model-copy task: duplicates a stored model file beside itself with
// "_cpy" appended to its name, or into another model folder under its name.
// An existing file is never overwritten; pictures stay where they are.
#include "tasks/klx_modelfiletask.h"

class KLX_ModelCopy : public KLX_ModelFileTask {
 public:
  KLX_ModelCopy();
  // para1 the model type of the source folder (when text 3 is empty), text
  // 1 the model name, text 2 the destination folder (empty: beside the
  // source), text 3 the source folder. 0 done, KLX_Error failed.
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_ModelCopyHandleProgress();
};

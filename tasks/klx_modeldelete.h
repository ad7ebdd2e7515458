#pragma once
// The model-delete task: removes a stored model's file and its pictures from
// the SD card; never the model that is loaded now.
#include "tasks/klx_modelfiletask.h"

class KLX_ModelDelete : public KLX_ModelFileTask {
 public:
  KLX_ModelDelete();
  // para1 the model type of the folder, text 1 the model name, text 3 the
  // folder (empty: the type's folder). 0 done, KLX_Error failed.
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_ModelDeleteHandleProgress();
};

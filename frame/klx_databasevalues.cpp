#include "frame/klx_databasevalues.h"

KLX_DatabaseValues KLX_DBValuesObject;

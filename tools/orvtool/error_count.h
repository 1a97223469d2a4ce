// How many failures the build engine has shown through ShowErrorBox in this run of orvtool.
#ifndef ORVTOOL_ERROR_COUNT_H_
#define ORVTOOL_ERROR_COUNT_H_

int ErrorBoxCount();

#endif  // ORVTOOL_ERROR_COUNT_H_

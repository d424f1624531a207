// The library's one wrapper over the platform that does more than pass
// arguments on: the dataset behind a component's published DataSource.
#pragma once

#include "platform/data/dataset.h"

// The dataset of the data source in `component`'s published "DataSource"
// property; nullptr when there is no such class-typed property, it cannot
// be read, or it holds no data source. Never raises.
TDataSet* DataSetOfDataSourceProperty(TComponent* component);

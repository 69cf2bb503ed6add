#pragma once

// Everything qel_core offers, in one include.
#include "qel_core/CPURuntimeException.h"
#include "qel_core/ExceptionBase.h"
#include "qel_core/InternalException.h"
#include "qel_core/LogicalException.h"
#include "qel_core/ParameterException.h"
#include "qel_core/ResourceException.h"
#include "qel_core/float2.h"
#include "qel_core/float3.h"
#include "qel_core/float4.h"
#include "qel_core/isPowerOfTwo.h"
#include "qel_core/qel_core_export.h"

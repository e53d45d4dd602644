// Internal to the layer: asking the CUPS server about a queue and handing it a finished job.
#pragma once

#include "Classes.h"

// Why a queue cannot take a job now; empty when it can.
AnsiString CupsQueueProblem(const AnsiString& Queue);

// Hands the PDF document File to Queue as one job titled Title on paper Media (a paper key of
// the queue), landscape when asked. The job's id, or 0 with Error set to the server's reason.
int SubmitCupsJob(const AnsiString& Queue, const AnsiString& File, const AnsiString& Title,
                  const AnsiString& Media, bool Landscape, AnsiString& Error);

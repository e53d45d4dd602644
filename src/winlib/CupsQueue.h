// Internal to the layer: asking the CUPS server about a queue and handing it a finished job.
#pragma once

#include "Classes.h"

enum class TQueueState {
    Ready,             // the server knows the queue
    Gone,              // the server answers and has no such queue
    ServerUnreachable, // the server does not answer: whether the queue exists is not known
};

struct TQueueCheck {
    TQueueState State = TQueueState::Ready;
    AnsiString Server; // the server asked (a host or a socket)
    AnsiString Detail; // why the server did not answer, in the user's words
};

// Whether Queue can take a job now. A queue that libcups does not find is Gone only when the
// server itself says so; one it cannot ask is ServerUnreachable.
TQueueCheck CheckCupsQueue(const AnsiString& Queue);

// What the user is told when a queue cannot take a job (Japanese, naming the queue and, for an
// unreachable server, the server); empty when Check is Ready.
AnsiString QueueProblemText(const AnsiString& Queue, const TQueueCheck& Check);

// Hands the PDF document File to Queue as one job titled Title on paper Media (a paper key of
// the queue), landscape when asked. The job's id, or 0 with Error set to the server's reason.
int SubmitCupsJob(const AnsiString& Queue, const AnsiString& File, const AnsiString& Title,
                  const AnsiString& Media, bool Landscape, AnsiString& Error);

// The size in points (portrait) that Queue declares for its paper Key (its PPD's page size, else
// its IPP media); false when the queue declares none of that key.
bool CupsPaperPoints(const AnsiString& Queue, const AnsiString& Key, double& WidthPt, double& HeightPt);

// Exceptions, number and text conversions of the runtime library, with the exact
// formatting rules the program's stored files and labels depend on.
#pragma once

#include "System.h"

#include <exception>

class Exception : public std::exception {
  public:
    explicit Exception(AnsiString Msg = "") : Message(std::move(Msg)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    AnsiString Message;
};

#define RULIFORM_EXCEPTION(Name, Base)                                                                       \
    class Name : public Base {                                                                               \
      public:                                                                                                \
        using Base::Base;                                                                                    \
    };
RULIFORM_EXCEPTION(EConvertError, Exception)
RULIFORM_EXCEPTION(EStringListError, Exception)
RULIFORM_EXCEPTION(EListError, Exception)
RULIFORM_EXCEPTION(EMathError, Exception)
RULIFORM_EXCEPTION(EIntError, Exception)
RULIFORM_EXCEPTION(EDivByZero, EIntError)   // integer division or modulo by zero
RULIFORM_EXCEPTION(EIntOverflow, EIntError) // INT_MIN / -1, the one quotient that does not fit
RULIFORM_EXCEPTION(EZeroDivide, EMathError) // floating division by zero where the program checks it
RULIFORM_EXCEPTION(EInvalidOp, EMathError)
RULIFORM_EXCEPTION(EOutOfResources, Exception)
RULIFORM_EXCEPTION(EOutOfMemory, Exception)
RULIFORM_EXCEPTION(EInvalidGraphic, Exception)
RULIFORM_EXCEPTION(EInvalidGraphicOperation, Exception)
RULIFORM_EXCEPTION(EJPEG, EInvalidGraphic)
RULIFORM_EXCEPTION(EStreamError, Exception)
RULIFORM_EXCEPTION(EReadError, EStreamError)
RULIFORM_EXCEPTION(EWriteError, EStreamError)
RULIFORM_EXCEPTION(EFOpenError, EStreamError)
RULIFORM_EXCEPTION(EFCreateError, EStreamError)
RULIFORM_EXCEPTION(EIniFileException, Exception)
RULIFORM_EXCEPTION(EPrinter, Exception)
RULIFORM_EXCEPTION(EAbort, Exception)

// Whole-number text: optional blanks, sign, decimal digits or hex with "$", "x" or "0x";
// nothing may follow; must fit 32 bits. "1.0" is not a whole number.
AnsiString IntToStr(long long Value);
int StrToInt(const AnsiString& S); // EConvertError "'S' is not a valid integer value"
int StrToIntDef(const AnsiString& S, int Default);
bool TryStrToInt(const AnsiString& S, int& Value);

// Decimal text: optional blanks, sign, digits with one '.', optional exponent; the decimal
// separator is always '.', whatever the locale. No "inf", "nan" or hex.
double StrToFloat(const AnsiString& S); // EConvertError "'S' is not a valid floating point value"
double StrToFloatDef(const AnsiString& S, double Default);
bool TryStrToFloat(const AnsiString& S, double& Value);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
// General format rounds to Precision significant digits (half away from zero), drops trailing
// zeros and switches to exponent form "1.9E02" when the exponent reaches Precision;
// Digits is the minimum exponent width there. Fixed format gives Digits decimals.
AnsiString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
AnsiString FloatToStr(double Value); // general format, 15 significant digits: 100.0 -> "100"
AnsiString IntToHex(long long Value, int Digits);

AnsiString LowerCase(const AnsiString& S); // ASCII only
AnsiString UpperCase(const AnsiString& S);
AnsiString Trim(const AnsiString& S);
bool SameText(const AnsiString& A, const AnsiString& B); // ASCII case-insensitive
AnsiString ExtractFileExt(const AnsiString& FileName);   // ".png", of the name part only
AnsiString ExtractFilePath(const AnsiString& FileName);  // with the trailing '/'
AnsiString ExtractFileName(const AnsiString& FileName);
bool FileExists(const AnsiString& FileName);

// Integer division and modulo that raise EDivByZero instead of killing the process.
int IntDiv(int a, int b);
int IntMod(int a, int b);

// Turns a hardware integer-division fault anywhere in the program into EDivByZero thrown at the
// faulting instruction, so the nearest catch handles it instead of the process dying. Needs code
// compiled with -fnon-call-exceptions. Safe to call more than once.
void InstallFaultHandlers();

// Code page 932 (with its NEC and IBM extensions) <-> UTF-8. Bytes that cannot be converted
// become '?', so a damaged file never stops the program.
std::string Cp932ToUtf8(const std::string& S);
std::string Utf8ToCp932(const std::string& S);

// The calling thread sleeps.
void Sleep(unsigned Milliseconds);

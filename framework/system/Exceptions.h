#pragma once
// The framework's exceptions. Every entry from the event loop catches Exception (and anything
// derived from std::exception) and hands it to the application's exception report.

#include <QString>
#include <exception>
#include <string>

using String = QString;

class Exception : public std::exception {
public:
    explicit Exception(String message);
    ~Exception() override;

    const String& Message() const { return FMessage; }
    void SetMessage(const String& value);
    // Short class name used by the exception report ("EConvertError").
    virtual const char* ClassName() const { return "Exception"; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

    // Formats like the classic Format(): %s, %d, %x and %% in order.
    static String Format(const String& pattern, std::initializer_list<QString> args);

private:
    String FMessage;
    std::string FUtf8;
};

#define VQ_DECLARE_EXCEPTION(Name, Base)                                                           \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
        const char* ClassName() const override { return #Name; }                                   \
    };

VQ_DECLARE_EXCEPTION(EConvertError, Exception)
VQ_DECLARE_EXCEPTION(EListError, Exception)
VQ_DECLARE_EXCEPTION(EStringListError, EListError)
VQ_DECLARE_EXCEPTION(EComponentError, Exception)
VQ_DECLARE_EXCEPTION(EInvalidOperation, Exception)
VQ_DECLARE_EXCEPTION(EInvalidCast, Exception)
VQ_DECLARE_EXCEPTION(EPropertyError, Exception)
VQ_DECLARE_EXCEPTION(EClassNotFound, Exception)
VQ_DECLARE_EXCEPTION(EReadError, Exception)
VQ_DECLARE_EXCEPTION(EOutOfResources, Exception)
VQ_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
VQ_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)
VQ_DECLARE_EXCEPTION(EAbort, Exception)
VQ_DECLARE_EXCEPTION(EInOutError, Exception)

// Silent exception: ends the current operation without a report.
[[noreturn]] void Abort();

# orv_music: one music set built by orvtool as a hermetic Bazel action, so a sandbox holds only what the
# set declares and a shared cache (--disk_cache, --remote_cache) serves a set whose inputs it has seen.
#
#   load("@orvtool//bazel:orv_music.bzl", "orv_music")
#   orv_music(name = "harbour", script = "music/harbour/script.txt", srcs = glob(["music/harbour/*.orv"]))
#
# The action's key is the script, every source, orvtool's own bytes and the command line, whose paths are
# all relative to the execution root: where the workspace lies, when and on which machine it is built
# change nothing, and orvtool's output holds nothing of them either.

def _orv_music_impl(ctx):
    out = ctx.outputs.out
    if out == None:
        out = ctx.actions.declare_file(ctx.label.name + ".orv")
    args = ctx.actions.args()

    # Quiet: the log shows the action's own line, and the engine's message when the set fails.
    args.add_all(["build", "-q", "-o", out, ctx.file.script])
    ctx.actions.run(
        executable = ctx.executable.orvtool,
        arguments = [args],
        # The paths in the script are taken from the script's own folder, where the sandbox lays out
        # the sources as declared; a source left out is not there, and the build fails with the
        # engine's "Error opening" message rather than reading it from the workspace.
        inputs = [ctx.file.script] + ctx.files.srcs,
        outputs = [out],
        # No environment at all: orvtool reads none, and an inherited PATH would split the cache's
        # keys between machines.
        use_default_shell_env = False,
        mnemonic = "OrvMusic",
        progress_message = "Building music " + out.short_path,
    )
    return [DefaultInfo(files = depset([out]))]

orv_music = rule(
    implementation = _orv_music_impl,
    doc = "An interactive ORV file built by `orvtool build` from a script and the sources it names.",
    attrs = {
        "script": attr.label(
            mandatory = True,
            allow_single_file = True,
            doc = "The build script; the source paths in it are relative to its folder.",
        ),
        "srcs": attr.label_list(
            allow_files = True,
            doc = "Every source the script names, each laid out where the script's paths reach it.",
        ),
        "out": attr.output(doc = "The file built; NAME.orv in the package unless given."),
        "orvtool": attr.label(
            default = Label("@orvtool_program//:orvtool"),
            executable = True,
            cfg = "exec",
            allow_single_file = True,
            doc = "The orvtool program that builds it, by default the one orvtool_repository found.",
        ),
    },
)

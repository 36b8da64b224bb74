// Every user-interface text of the launcher, addressed by a numeric id.
//
// Each id has a key (the enumerator's name) and an English default text.
// LoadStr() passes the default text through the installed translator, in the
// context "global", so ids that share a default text share a translation.
#pragma once

#include <QString>

namespace StrTable {

// The ids, 0 to 651. Their order is fixed: catalogues and callers rely on the
// numbers, so new texts go nowhere but the end.
enum StringID {
  // 0
  msg_enabled, msi_maintenance_dlg_change_text_disabled, btn_merge, quick_mode_open_folder_btn,
  accessible_pairing_sync_folder, accessible_tutorial_description_drive, history_remote_rename,
  friday, thursday, msi_ready_dlg_subtitle,
  // 10
  selective_sync_file_title, loading, selective_sync_direction_title, tray_click_to_update,
  msi_ready_dlg_title, title_usr, err_relaylink_file_sharing, last_page, one_way_upload,
  quick_mode_end_msg_drive,
  // 20
  language_default, wizard_share_name_duplicate_warning, tray_exit, accessible_language_button,
  err_kosdisable, local_hb_search, msg_share_bubble_suffix, conn_mode_direct, tuesday,
  msi_eula_dlg_description,
  // 30
  btn_help, msi_exit_dlg_launch, manage_proxy_label_username, auto_setup_finishing, msg_summary,
  selective_sync_mode_title, notification_page, create_sync_task_desc, block_file_name_tool_tip,
  msi_button_ok,
  // 40
  perm_public_ro_desc, wizard_set_sync_folder, action_unlink, title_value, folder_selective_sync,
  btn_continue, err_init_failed, tutorial_third_title, open_main_app, management_proxy_cancel_btn,
  // 50
  msi_maintenance_dlg_change_tooltip, err_user_info_unavailable, title_status_info,
  msi_welcome_dlg_description, manage_option_enable_icon_overlay, msi_maintenance_dlg_change_label,
  msi_cancel_dlg_title, manage_proxy_chk_no_proxy, wizard_client_upgrade_failed,
  management_proxy_apply_btn,
  // 60
  msi_filesinuse_dlg_title, err_kosdisable_short, conn_mode_reading, notification_page_mentioned,
  tray_updating, manage_option_language, tutorial_congrats, manage_share_enable,
  err_user_home_disabled, month_aug,
  // 70
  perm_rw, msi_button_remove, tray_notification_title, notification_page_open_in_portal,
  wizard_invalid_sync_folder_warning, common_fieldblank, manage_option_enable_startup,
  msi_filesinuse_dlg_description, file_ext_label, create_sync_task_shared_with_me,
  // 80
  accessible_version_download_abort_button, context_menu_version_browse,
  wizard_create_local_folder_failed, msg_info, msg_running_drive, wizard_welcome_desc,
  dont_show_msg, tutorial_access_web_portal, title_upgrade, btn_done,
  // 90
  msg_finish_way, wizard_conflict_backup_warning, perm_limit_desc, share_invite,
  accessible_pairing_local_machine, msi_maintenance_dlg_remove_label, title_bubble_sharing,
  label_uploading, err_autoconn_ctrl, perm_limit,
  // 100
  manage_proxy_tab_name, conflict_dropbox, msi_filesinuse_dlg_closeall, err_version_client,
  share_user_group, tutorial_third_desc, share_link_perm, msg_ssl_error,
  msi_maintenance_dlg_repair_text, manage_option_sync_mode,
  // 110
  error_zero_version, err_remote_not_mounted, history_type, msi_eula_dlg_title,
  sharing_enable_expire_times, perm_app_ro_desc, err_autoconn_invalidid, msi_maintenance_dlg_title,
  tray_unstable, history_date,
  // 120
  common_maxlengthtext, err_hb_not_match_drive, no_valid_folder, err_version_short, common_no_data,
  msi_button_exit, msi_fatalerror_dlg_subtitle, open_file, btn_shareitem_delete,
  tray_click_to_update_to_drive,
  // 130
  accessible_title_settings, err_shareitem_delete, err_short, desc_cannot_list_version,
  time_minute_ago, msg_error, context_menu_resume_folders, accessible_add_folder_button,
  msi_maintenance_dlg_change_text, unlink_connection,
  // 140
  wizard_setup_mode_page_desc, msi_maintenance_dlg_repair_tooltip, msg_connectsucc,
  conflict_policy_desc, btn_later, msg_mergefolder, notify_new_share_short, main_settings,
  manage_option_enable_desktop_notify, err_proto,
  // 150
  msg_diskfull, empty_share, err_auth, wizard_set_sync_folder_desc, tray_status_paused,
  desc_lksp_env_preparing_drive, tray_uptodate, msg_download_aborted, upgrade_failed, msg_slogan,
  // 160
  wizard_shared_with_me_desc, msi_maintenance_welcome_dlg_subtitle, msi_progress_dlg_title,
  conflict_policy_rename_conflict, status_desc_errversion_server, version,
  context_menu_resume_folder, manage_option_enable_context_menu, tray_about,
  notification_page_comment,
  // 170
  err_tunnel_disabled, history_last_week, tray_data_checking, status_desc_syncing, history_folder,
  history_items, history_download, time_day_ago, tray_management_page, err_get_file_url,
  // 180
  msg_folder_not_empty_drive, tray_relink, monday, err_share_folder_conflict,
  accessible_sync_task_session_description, err_share_mountpt_short, title_folder_nonempty,
  msg_unlinking, col_time, err_proto_drive,
  // 190
  title_folderpath, month_feb, status_desc_ssl_verify_fail, msi_filesinuse_dlg_subtitle,
  err_autoconn_sys, manage_option_show_filtered_icons, msi_userexit_dlg_description1,
  err_ssl_change, display_setting_local_folder_desc, msi_cancel_dlg_text,
  // 200
  col_id, tray_notification_download_finished, desc_inactive, msg_network_drive_watch, common_share,
  msg_error_drive, first_page, session_resume_btn, err_share_fail_enable, msg_diskfull_drive,
  // 210
  sharing_customize_duration, accessible_version_download_delete_button, msi_eula_dlg_accept,
  msg_seldir_description, history_action, main_sync_task, session_pause_btn,
  msi_userexit_dlg_description2, msg_folder_not_empty, status_desc_diskfull,
  // 220
  btn_manage, msi_maintenance_welcome_dlg_description, notification_page_action_request_access,
  wizard_shared_with_me_title, manage_share_loading, conn_mode_wan, msi_fatalerror_dlg_description2,
  tutorial_second_title, desc_cannot_download, msi_fatalerror_dlg_description1,
  // 230
  advan_mode_set_share_folder_info_drive, msg_confirm_unlink, msi_button_retry,
  manage_proxy_chk_account, update_pkg_for_selective_sync, err_max_tries, history_file_name,
  title_inactive, quick_mode_finish_page_more_detail_drive, NSIS_LARKSPAN_INSTALLED_CURRENT,
  // 240
  msg_share_quotafull, err_share_not_mounted, time_hour_ago, msi_exit_dlg_title, month_jan,
  wizard_setup_advan_mode_desc, status_desc_hb_changed, wizard_finish_pairing_desc_drive,
  desc_cannot_share_link, msi_eula_dlg_reject,
  // 250
  notification_page_sync, history_yesterday, accessible_version_download_description,
  history_page_title, context_menu_share_link, msi_maintenance_dlg_repair_label,
  title_open_larkspan, notification_page_action_comment, err_share_limit, notification_page_shared,
  // 260
  status_desc_localdisk_full, msi_userexit_dlg_title, err_local_sync_folder_miss,
  tutorial_first_desc, sharing_exp_after, month_jun, msi_maintenance_dlg_description,
  sync_temp_file, wizard_quotafull_sync_folder_warning, err_proxy_ipport_empty,
  // 270
  accessible_pairing_remote_nas, history_local_rename, err_auth_short, sunday, wednesday,
  session_unlink_btn, auto_setup_key_configurated, wizard_sync_folder_new_nas, display_tab,
  btn_change,
  // 280
  NSIS_KESTRIN_DRIVE_INSTALLED_NEWER, yes, manage_share_local_syncfolder, file_max_size_label,
  status_desc_linking, notification_request_access, desc_lksp_env_preparation_done, btn_setup,
  context_menu_filter_folder, wizard_client_upgrade,
  // 290
  wizard_set_sync_folder_title, title_pwd, today, status_desc_quotafull, msg_sub_slogan,
  err_share_perm_short, col_file_destination, err_syncfolder_not_mounted,
  wizard_setup_repeat_warning2, manage_option_use_black_white_icon,
  // 300
  err_otp_invalid, err_no_connection_for_file, dont_remove_server_when_local_remove,
  one_way_download, manage_proxy_server_port, history_last_month, msg_info_description,
  err_ip_not_allowed, create_sync_task_shared_with_me_desc, accessible_sync_log_filter_lineedit,
  // 310
  msg_folder_readonly, history_keyword, file_max_size_limit, accessible_calendar_next_month,
  accessible_title_remote_destination, wizard_user_disable_sync_folder_warning, msg_download_fail,
  advanced_settings, wizard_welcome_mask_desc_drive, msi_welcome_dlg_title,
  // 320
  err_hb_not_match, wizard_share_nonexist_sync_folder_warning, month_dec, hb_overview,
  msi_button_cancel, manage_proxy_chk_sys_proxy, history_no_data, notify_abnormal,
  msi_fatalerror_dlg_title, app_name_drive,
  // 330
  month_oct, manage_setting_not_save, err_link_same_hb, wizard_diskfull_sync_folder_warning,
  file_black_list_label, sharing_enable_start_at, display_setting_bw_desc, col_file_status,
  status_desc_pause, create_sync_task_general_desc,
  // 340
  tooltip_folder_indexing, wizard_auth_error_warning, err_user_privilege, try_syncing,
  black_list_btn, manage_proxy_chk_manual, msi_progress_dlg_status_label, month_jul, msi_button_no,
  status_desc_version_short,
  // 350
  wizard_shared_with_me_enable_now, wizard_user_different_warning,
  wizard_create_kestrin_drive_folder, wizard_readonly_sync_folder_warning, read_only_tooltip_drive,
  history_date_range, got_it, msg_welcome, network_management_page_btn,
  msi_readyrepair_dlg_subtitle,
  // 360
  status_desc_errversion_client, col_file_size, err_version_server, perm_public_rw_desc, edit,
  perm_app_rw_desc, tray_pause, msg_disabled, msi_maintenance_dlg_subtitle, time_just_now,
  // 370
  wizard_new_sync_folder_title, tray_opendir, share_enabled, status_desc_abnormal_short,
  manage_option_merge_mode, msi_button_yes, tray_setinfo, msi_readyremove_dlg_title, next_x_pages,
  open_sync_status,
  // 380
  create_sync_task_general, create_sync_task_title, pause_connection, wizard_create_larkspan_folder,
  block_file_table_title, err_autoconn_invalidid_drive, sharing_enable_expire_at, msg_upgrading,
  btn_start_now, title_standby,
  // 390
  msg_progress, msi_button_repair, msg_catchevent, one_way_sync_download_drive, err_database,
  wizard_connection_setting_desc, on_demand_sync, wizard_sync_folder_new_session, history_upload,
  sharing_restrict,
  // 400
  selective_sync_folder_title, selective_sync, msg_seldir, wizard_setup_mode_page_title,
  download_only, manage_option_tab_name, saturday, wizard_welcome_footer_info,
  hb_widget_connection_error, conn_mode_ez,
  // 410
  desc_lksp_env_preparing, auto_setup_failed_msg, accessible_title_local_destination,
  read_only_tooltip, msi_button_ignore, history_all_event, col_file_action, manage_share_tab_name,
  msi_readyremove_dlg_description, wizard_conflict_sync_folder_warning,
  // 420
  wizard_network_err_sync_folder_warning, msi_button_finish, err_invalid_port_number,
  accessible_info_button, wizard_setup_repeat_warning, err_permission, err_common,
  msi_ready_dlg_text, two_way_sync, msg_download_downloading,
  // 430
  manage_setting_applying, tutorial_first_title, tray_hb_change, err_dir_file_not_exist,
  msi_button_next, title_changefolder, month_apr, msg_language_restart, status_desc_perm_short,
  btn_choseother,
  // 440
  err_inval, tray_syncing_file_cnt, err_kos_share_link, tray_updatedfile, title_ssl_warning,
  msi_filesinuse_dlg_text, history_delete, tutorial_fourth_title, msi_button_print,
  wizard_new_sync_folder_desc,
  // 450
  manage_share_change_folder, msg_ssl_change, app_name, history_rename,
  wizard_setup_repeat_warning_title, context_menu_filter_folders, wizard_shared_with_me_subtitle,
  msg_linking, btn_ok, msi_readyrepair_dlg_title,
  // 460
  manage_sync_tab_name, accessible_sync_log_category_combobox, msi_filesinuse_dlg_text2,
  session_add_btn, context_menu_no_option_available, msi_readyrepair_dlg_description,
  sync_direction_mismatch, msi_readyremove_dlg_subtitle, resume_connection, tutorial_congrats_sub,
  // 470
  btn_edit_connection, tray_upgrade, NSIS_LARKSPAN_INSTALLED_NEWER, wizard_finish_pairing_desc,
  files_update, title_id, err_user_name_empty, wizard_diskfull_sync_folder_warning_drive,
  msi_error_dlg_title, manage_option_title,
  // 480
  wizard_shared_with_me_enable_later, advan_mode_set_share_folder_info, selective_sync_loading,
  no_need, perm_public, msg_finish, open_contain_folder, msi_maintenance_dlg_remove_text,
  general_setting_show_tutorial, notification_tab,
  // 490
  accessible_calendar_prev_month, manage_share_title, col_create_time, tutorial_second_desc_2,
  month_sep, msi_readyremove_dlg_text, btn_back, folder_name, history_time, quick_mode_end_msg,
  // 500
  month_may, msi_button_back, conn_mode_lan, msi_eula_dlg_subtitle, conflict_policy_compare_mtime,
  notification_page_action_mentioned, wizard_access_deny_sync_folder_warning, err_full_short,
  perm_app, accessible_tutorial_description,
  // 510
  msg_checkpass, status_desc_uptodate, read_only, msi_maintenance_welcome_dlg_title,
  err_pwd_expired, accessible_calendar, conflict_policy_overwrite_client, conflict_dropbox_drive,
  msi_filesinuse_dlg_closenone, month_nov,
  // 520
  wizard_find_local_hb_tooltip, block_file_name_label, accessible_add_filename_button, del,
  wizard_setup_quick_mode_desc, block_point_prefix, msi_userexit_dlg_subtitle, title_name,
  manage_option_enable_ssl, history_file_type,
  // 530
  tray_status_linking, msg_quotafull, manage_share_name, NSIS_NOT_ADMIN_CONFIRM, tray_resume,
  accessible_tutorial_close_button, msg_about, sharing_apply_and_copy_button,
  manage_proxy_label_password, btn_cancel,
  // 540
  col_computer_name, tray_synced_on_all_devices, tray_current_syncing,
  selective_enable_entire_attribute_check, black_list_desc, msg_shareitem_delete, title_ip,
  quick_mode_finish_page_desc, common_forminvalid, wizard_system_err_sync_folder_warning,
  // 550
  session_unlink_confirm_msg, perm_ro, msg_test_username_fail, share_enable_remove_msg,
  msg_test_connect, msi_button_install, one_way_sync_download, advan_setup_wizard,
  msi_readyrepair_dlg_text, btn_next,
  // 560
  msi_progress_dlg_text, connection_enter_otp, btn_ssl_continue, month_mar,
  quick_mode_finish_page_more_detail, manage_proxy_title, msi_maintenance_dlg_remove_tooltip,
  context_menu_sendto_prefix, manage_option_synchronization_mode,
  accessible_sync_log_refresh_button,
  // 570
  info_mergefolder, NSIS_KESTRIN_DRIVE_INSTALLED_CURRENT, title_icon_double_clicked,
  tutorial_fourth_desc, msi_exit_dlg_description, manage_setting_no_change, err_network,
  progress_preparing, more_tutorial, title_folder_readonly,
  // 580
  prev_x_pages, tutorial_start_tour, title_ip_detail, finish, history_from,
  wizard_welcome_mask_desc, notify_abnormal_short, title_chart_local, enable_on_demand_sync,
  msi_exit_dlg_text,
  // 590
  add, err_disconn, label_locked_file, open_folder, accessible_change_sync_folder_button,
  msi_exit_dlg_subtitle, notification_page_action_shared, err_share_nonexist_short, history_reset,
  label_preparing,
  // 600
  msi_progress_dlg_subtitle, err_otp_required, wizard_welcome_desc_drive, msg_localdiskfull,
  title_conn_mode, general_setting_show_tutorial_drive, tutorial_third_desc_2, upgrade_failed_drive,
  wizard_welcome_footer_info_drive, wizard_welcome_title,
  // 610
  history_customize, shared_with_me_confirm, wizard_setup_quick_mode_title, main_download_history,
  use_relaylink, selective_sync_remove_msg, sharing_link, file_selective_sync,
  manage_proxy_server_ip, msg_download_done,
  // 620
  msi_ready_dlg_description, title_chart_tray, title_welcome, share_link, label_downloading,
  msi_welcome_dlg_subtitle, history_to, session_selective_sync_btn,
  wizard_ssl_verify_fail_sync_folder_warning, col_file_name,
  // 630
  msg_running, notify_new_share, manage_share_status, err_conflict, msg_folder_mount_point,
  title_ssl_enable, tutorial_second_desc, msi_progress_dlg_description,
  wizard_setup_advan_mode_title, wizard_ssl_change_sync_folder_warning,
  // 640
  desc_lksp_env_preparation_done_drive, history_search, link_new_nas, err_ssl_verify_fail,
  msg_startup, wizard_enable_on_demand_sync_failed, quick_mode_finish_page_title, err_otp_enforced,
  manage_option_enable_startup_drive, wizard_setup_repeat_warning_desc,
  // 650
  history_file, recently_changed_title
};

constexpr unsigned int NUM_STRING_IDS = 652;
static_assert(recently_changed_title + 1 == NUM_STRING_IDS, "one enumerator per id");

// Fills the key and default-text tables. Must run before the first LoadStr or
// LookupStrID; calling it again sets the same values.
void InitStrTable();

// The text of `id` in the installed language: the catalogue's translation of
// the default text, or the default text itself when no installed catalogue
// holds it. In the result the two-character sequences backslash-n and
// backslash-t become a line feed and a tab. An id outside 0 to 651, or any id
// before InitStrTable, gives an empty string.
QString LoadStr(int id);

// The id whose key equals `strKey` ignoring ASCII case, or -1 when none does
// (also for an empty key and before InitStrTable).
int LookupStrID(QString strKey);

// The raw table entries of `id`: its key and its English default text, as
// stored (no translation, no escape expansion). Null outside 0 to 651 and
// before InitStrTable.
const char* GetKey(int id);
const char* GetDefaultText(int id);

// Registers the compiled-in catalogues (the resource collection "texts", one
// ":/<code>.qm" per language). A static initialiser already does this before
// main; calling it again has no further effect.
void RegisterCatalogues();

}  // namespace StrTable
